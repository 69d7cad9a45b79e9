// CQXObjectBitmap: a raster picture read from an image file, placed at the object's anchor with
// two half extents (radius A along, radius B across) and a rotation in radians.
#pragma once

#include <cstdint>
#include <vector>

#include "hosttypes/Parsnip/QXObject.h"
#include "mfc/Types.h"

// A device-independent bitmap held in memory: size, bits per pixel and the pixel rows (each
// padded to a multiple of four bytes). An empty one has size 0 x 0 and bit count 0.
class CDIB {
public:
    static constexpr std::size_t kMaxBytes = std::size_t(256) << 20;

    CDIB() = default;
    CDIB(const CDIB&) = default;
    CDIB& operator=(const CDIB&) = default;
    ~CDIB() = default;

    // Allocates a zeroed picture; false (and the picture left empty) for a size that is not
    // positive, a bit count other than 1, 4, 8, 16, 24 or 32, or more than kMaxBytes of pixels.
    bool Create(int width, int height, int bitCount) {
        Clear();
        if (width <= 0 || height <= 0) return false;
        if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
            return false;
        const std::uint64_t rowBytes = ((static_cast<std::uint64_t>(width) * bitCount + 31) / 32) * 4;
        const std::uint64_t total = rowBytes * static_cast<std::uint64_t>(height);
        if (total > kMaxBytes) return false;
        m_bits.assign(static_cast<std::size_t>(total), 0);
        m_size = CSize(width, height);
        m_nBitCount = bitCount;
        return true;
    }
    void Clear() {
        m_bits.clear();
        m_size = CSize();
        m_nBitCount = 0;
    }
    bool IsEmpty() const { return m_bits.empty(); }
    CSize GetSize() const { return m_size; }
    int GetBitCount() const { return m_nBitCount; }
    std::vector<std::uint8_t>& GetBits() { return m_bits; }

private:
    CSize m_size;
    int m_nBitCount = 0;
    std::vector<std::uint8_t> m_bits;
};

class CQXObjectBitmap : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectBitmap)
public:
    explicit CQXObjectBitmap(CQXLayer* layer = nullptr);
    ~CQXObjectBitmap() override;

    CSize GetDIBSize() const { return m_dib.GetSize(); }
    int GetDIBBitCount() const { return m_dib.GetBitCount(); }
    CDIB* GetDIB() { return &m_dib; }

    CString GetFileName() const;
    // Stores the name only: the stand-in reads no image file (fixtures fill the picture through GetDIB).
    void SetFileName(const char* fileName);
    double GetRadiusA() const;
    void SetRadiusA(double radius);
    double GetRadiusB() const;
    void SetRadiusB(double radius);
    double GetAngle() const;
    void SetAngle(double radians);

protected:
    CDIB m_dib;
    CString m_strFileName;
    double m_dRadiusA = 0.0;
    double m_dRadiusB = 0.0;
    double m_dAngle = 0.0;
};
