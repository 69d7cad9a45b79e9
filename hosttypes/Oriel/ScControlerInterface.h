// The visitor side of the section objects: an object's Accept hands itself to the
// controller, which recognises the object by its class-name text and down-casts it.
#pragma once

class ScObjInterface;

class ScControlerInterface {
public:
    virtual ~ScControlerInterface();
    virtual void SetBecontroler(ScObjInterface* obj) {}
};
