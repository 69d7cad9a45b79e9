// Maps section coordinates for the rulers and the look-down map; the module only holds it.
#pragma once

class ScCoordsTranslatorInterface {
public:
    virtual ~ScCoordsTranslatorInterface();
};
