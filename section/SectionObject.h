// How the host hands a section object over: a long holding the address of the object's
// ScObjInterface part. A container's first base is its map-object part, so the address of the
// whole object is not that of its ScObjInterface part; both directions go through here.
#pragma once

class ScObjInterface;

inline ScObjInterface* SectionObjectOf(long object) { return reinterpret_cast<ScObjInterface*>(object); }
inline long SectionObjectArg(ScObjInterface* object) { return reinterpret_cast<long>(object); }
