// Records of the well-data library: one row of a well table each. Texts are UTF-8; depths
// are in metres. Every record copies whole and starts with its numbers zero and its texts empty.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/String.h"

struct WELLPATH {
    CString wellName;
    double depth = 0.0;
    double inclination = 0.0;  // degrees
    double azimuth = 0.0;      // degrees
};

struct WELLSTRATUM {
    CString wellName;
    CString stratumName;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    int grade = 0;
};

struct WELLCORE {
    CString wellName;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    double length = 0.0;
    CString description;
};

struct WELLFINESTRATUM {
    CString wellName;
    CString stratumName;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
};

struct WELLPOSITION {
    CString wellName;
    double x = 0.0;
    double y = 0.0;
    double kellyBushing = 0.0;
    double groundLevel = 0.0;
    int type = 0;
};

struct WELLQUEUE {
    CString queueName;
    CString wellName;
    int order = 0;
};

struct WELLSHOOT {
    CString wellName;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    CString date;
};

// Connections of the older format: three runs, each a count and the first element's address.
// The runs belong to the table that filled the record: copies share them.
struct OLDWELLCONNECTION {
    CString wellName;
    int stratumCount = 0;
    double* stratumDepths = nullptr;
    int connectCount = 0;
    int* connectCodes = nullptr;
    int sandCount = 0;
    double* sandThicks = nullptr;
};

struct WELLCONNECTION {
    CString wellName;
    CString connectedWell;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    int type = 0;
};

struct WELLINTERSTRATUM {
    CString wellName;
    CString stratumName;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
};

struct DEPTHSEGMENTFLOATDATA {
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    double value = 0.0;
};

struct DEPTHSEGMENTSTRINGDATA {
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    CString value;
};

struct WELLLITHOLOGY {
    CString wellName;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    CString colorCode;
    CString oilCode;
    CString lithCode;
};

struct WELLSIDEWALLCORE {
    CString wellName;
    double depth = 0.0;
    CString lithology;
    CString oilBearing;
};

struct WELLTEST {
    CString wellName;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    CString conclusion;
    double oil = 0.0;
    double water = 0.0;
    double gas = 0.0;
};

struct WELLPRODUCTFLUID {
    CString wellName;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    double rate = 0.0;
};

struct WELLGROUP {
    CString groupName;
    CString wellName;
};

struct ALIASNAME {
    int type = 0;
    char name[32] = {};
    char alias[32] = {};
};

struct INTERPRETERLOG {
    CString wellName;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    CString conclusion;
};

struct WELLFAULTPOINT {
    CString wellName;
    CString faultName;
    double depth = 0.0;
    double lostThick = 0.0;
};

struct WELLPOINTDATA {
    CString wellName;
    double depth = 0.0;
    double value = 0.0;
};

struct WELLSEGMENTDATA {
    CString wellName;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    double value = 0.0;
};

struct WELLLAYER {
    CString wellName;
    CString layerName;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
};

struct WELLSUCTION {
    CString wellName;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    double ratio = 0.0;
};

struct DAYOILWELL {
    CString wellName;
    CString date;
    double oil = 0.0;
    double water = 0.0;
    double gas = 0.0;
};

struct DAYWATERWELL {
    CString wellName;
    CString date;
    double water = 0.0;
    double pressure = 0.0;
};

struct MONTHOILWELL {
    CString wellName;
    CString month;
    double oil = 0.0;
    double water = 0.0;
    double gas = 0.0;
    int days = 0;
};

struct MONTHWATERWELL {
    CString wellName;
    CString month;
    double water = 0.0;
    int days = 0;
};

struct WELLWATERFLOOD {
    CString wellName;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    int grade = 0;
};

struct WELLOILWATER {
    CString wellName;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    CString conclusion;
};

struct WELLINTEGRATEDCORE {
    CString wellName;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    CString lithology;
    CString oilBearing;
    CString color;
};

struct WELLSANDSTRATUM {
    CString wellName;
    CString stratumName;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    double sandThick = 0.0;
    double effectiveThick = 0.0;
};

struct WELLSTATDATA {
    CString wellName;
    CString itemName;
    double value = 0.0;
};

// A stratum of the stratum table: name, alias (the second text) and parent, 32 bytes each.
struct STRATUM {
    static constexpr std::size_t kTextSize = 32;
    char name[kTextSize] = {};
    char alias[kTextSize] = {};
    char parent[kTextSize] = {};
    int grade = 0;
};

struct LAYERLAYER {
    CString upperLayer;
    CString lowerLayer;
};
