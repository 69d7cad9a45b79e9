// Records and segment objects held by the well-plot kits. Their inner fields belong to the
// kit library; the kits' header members only hand them out.
#pragma once

#include <cstddef>
#include <string>

// Run data of one cored interval, shared between segment records.
struct WPSEGDATA {
    int runNumber = 0;
    double coreLength = 0;
    double footage = 0;
    double recovery = 0;
};

// A counted reference to segment data: copies share the data and the count; the last one
// to let go deletes it.
class WpSegDataRef {
public:
    WpSegDataRef() : m_pData(nullptr), m_pCount(new long(1)) {}
    explicit WpSegDataRef(WPSEGDATA* data) : m_pData(data), m_pCount(new long(1)) {}
    WpSegDataRef(const WpSegDataRef& other) : m_pData(other.m_pData), m_pCount(other.m_pCount) { ++*m_pCount; }
    WpSegDataRef& operator=(const WpSegDataRef& other) {
        if (m_pCount != other.m_pCount) {
            ++*other.m_pCount;
            Release();
            m_pData = other.m_pData;
            m_pCount = other.m_pCount;
        }
        return *this;
    }
    ~WpSegDataRef() { Release(); }

    // Lets go of the data (deleting it when this was the last reference) and becomes an
    // empty reference with a count of its own.
    void Reset() {
        Release();
        m_pData = nullptr;
        m_pCount = new long(1);
    }

    WPSEGDATA* Get() const { return m_pData; }
    long UseCount() const { return *m_pCount; }

private:
    void Release() {
        if (--*m_pCount == 0) {
            delete m_pData;
            delete m_pCount;
        }
        m_pData = nullptr;
        m_pCount = nullptr;
    }

    WPSEGDATA* m_pData;
    long* m_pCount;
};

// One interval of a segment kit: top and bottom depth and its shared run data.
struct WPSEGMENT {
    double top = 0;
    double bottom = 0;
    WpSegDataRef data;
};

// Segment objects of the picture-like kits; fields belong to the kit library.
class CgOilTestSegment {
public:
    double top = 0;
    double bottom = 0;
};

class CgTextSegment {
public:
    double top = 0;
    double bottom = 0;
};

class CgParamSegment {
public:
    double top = 0;
    double bottom = 0;
    double value = 0;
};

class CgResultSegment {
public:
    double top = 0;
    double bottom = 0;
};

class CSidewallCoreSeg {
public:
    double depth = 0;
    std::string lithology;
    std::string oil;
};

// The in-place text editor of a text kit.
class CgEdit {
public:
    virtual ~CgEdit() = default;
};
