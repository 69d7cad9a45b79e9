// Walks over the kits of a well plot that the apply scopes reach. Counts are read again before each
// step and missing children are passed over, so a kit that changes the tree under the walk, or a
// kit without parent or well, never makes a walk fail.
#pragma once

#include "hosttypes/Zephyr/WpKit.h"
#include "hosttypes/Zephyr/WpTrack.h"

namespace wellplot {

// Every child of parent, in order; nothing for no parent.
template <class Visit>
void ForEachChild(CWpKit* parent, Visit visit) {
    for (int i = 0; parent && i < parent->ChildrenCount(); ++i)
        if (CWpKit* child = parent->GetChild(i)) visit(child);
}

// The content tracks of well (when tracks is set) and the kits in each of them (when kits is set),
// each track before its kits.
template <class Visit>
void ForEachTrackKit(CWpKit* well, bool tracks, bool kits, Visit visit) {
    ForEachChild(well, [&](CWpKit* track) {
        if (!track->IsKindOf(RUNTIME_CLASS(CWpTrack))) return;
        if (tracks) visit(track);
        if (kits) ForEachChild(track, visit);
    });
}

}  // namespace wellplot
