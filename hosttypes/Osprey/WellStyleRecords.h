// Style records of the well-data library's catalogues (lithologies, facies, symbols,
// scattered-data types). Each entry begins with its name, a 32-byte UTF-8 text.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"

constexpr std::size_t kWellStyleNameSize = 32;
// Identifier of the point and brush styles a new lithology entry starts with.
constexpr UINT kDefaultLithologyStyle = 1000;

struct LITHOLOGY {
    char name[kWellStyleNameSize] = {};
    int code = 0;
    int group = 0;
    QXLOGPOINT point;
    double symbolSize = 30.0;
    QXLOGBRUSH brush;

    LITHOLOGY() {
        point.style = kDefaultLithologyStyle;
        brush.style = kDefaultLithologyStyle;
        brush.size = 1000;  // shown as 10
    }
};

// The lithology's attributes: oil bearing, contents, name prefixes, structures.
struct LITHOLOGYATTRIBUTE {
    char name[kWellStyleNameSize] = {};
    int code = 0;
    QXLOGPOINT point;

    LITHOLOGYATTRIBUTE() { point.style = kDefaultLithologyStyle; }
};
struct LITHOLOGYOIL : LITHOLOGYATTRIBUTE {};
struct LITHOLOGYCONTAIN : LITHOLOGYATTRIBUTE {};
struct LITHOLOGYPREFIX : LITHOLOGYATTRIBUTE {};
struct LITHOLOGYSTRUCTURE : LITHOLOGYATTRIBUTE {};

struct LITHOLOGYCOLOR {
    char name[kWellStyleNameSize] = {};
    int code = 0;
    COLORREF color = 0;
};

struct FACIESTYPE {
    char name[kWellStyleNameSize] = {};
    char code[kWellStyleNameSize] = {};
    int index = 0;
    QXLOGBRUSH brush;
    QXLOGPEN pen;
};

struct SCATTEREDTYPE {
    char name[kWellStyleNameSize] = {};
    char code[kWellStyleNameSize] = {};
    int index = 0;
    QXLOGBRUSH brush;
    QXLOGPEN pen;
};

struct SYMBOLTYPE {
    char name[kWellStyleNameSize] = {};
    int code = 0;
    QXLOGBRUSH brush;
};
