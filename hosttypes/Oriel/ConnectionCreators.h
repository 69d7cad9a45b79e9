// Calculators and creators that compute the connections between wells. Their algorithms belong to
// the section library; here are their fields, defaults and copies.
#pragma once

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <vector>

#include "hosttypes/Oriel/ConnectionTypes.h"
#include "hosttypes/Oriel/SingleField.h"

class CnConnectionData;
class CnSandLine;
class CnSplitLine;
class CnConnectionParams;
class CnPinchParams;
class CnExtendParams;

class IkelCalculator {
public:
    IkelCalculator() = default;
    IkelCalculator(const IkelCalculator&) = default;
    IkelCalculator& operator=(const IkelCalculator&) = default;
    virtual ~IkelCalculator();

    void SetData(boost::shared_ptr<CnConnectionData> data) { m_data = data; }
    boost::shared_ptr<CnConnectionData> GetData() const { return m_data; }

protected:
    boost::shared_ptr<CnConnectionData> m_data;
};

class CnCSCalculator : public IkelCalculator {
public:
    CnCSCalculator() = default;
    CnCSCalculator(const CnCSCalculator&) = default;
    CnCSCalculator& operator=(const CnCSCalculator&) = default;
    ~CnCSCalculator() override;

protected:
    uint64_t m_nFirst = 0;
    uint64_t m_nSecond = 0;
};

class CnConnectionCreator {
public:
    explicit CnConnectionCreator(int kind = 0) : m_nKind(kind) {}
    CnConnectionCreator(const CnConnectionCreator&) = default;
    CnConnectionCreator& operator=(const CnConnectionCreator&) = default;
    virtual ~CnConnectionCreator();
    virtual bool CheckParasValid();

    boost::shared_ptr<IkelCalculator> GetConCtr() const { return m_calculator; }
    void SetConCtr(boost::shared_ptr<IkelCalculator> calculator) { m_calculator = calculator; }
    unsigned int GetLocalSplitLineCount() const { return static_cast<unsigned int>(m_localSplitLines.size()); }
    int GetKind() const { return m_nKind; }

protected:
    int m_nKind;
    boost::shared_ptr<IkelCalculator> m_calculator;
    std::vector<CnSandLine*> m_sandLines;
    std::vector<CnSplitLine*> m_localSplitLines;
};

class CnConnectionYCreator : public CnConnectionCreator {
public:
    CnConnectionYCreator() : CnConnectionCreator(2) {}
    CnConnectionYCreator(const CnConnectionYCreator&) = default;
    CnConnectionYCreator& operator=(const CnConnectionYCreator&) = default;
    ~CnConnectionYCreator() override;

    // Kept in single precision; a share single precision cannot hold is not taken.
    void SetAlignPercent(double percent) { oriel::StoreSingle(m_fAlignPercent, percent); }
    float GetAlignPercent() const { return m_fAlignPercent; }

protected:
    float m_fAlignPercent = 0.7f;
    double m_dLeftX = 0.0;
    double m_dRightX = 0.0;
    double m_dTopY = 0.0;
    double m_dBottomY = 0.0;
};

class CnConnectionContentCreator {
public:
    CnConnectionContentCreator() = default;
    CnConnectionContentCreator(const CnConnectionContentCreator&) = default;
    CnConnectionContentCreator& operator=(const CnConnectionContentCreator&) = default;
    virtual ~CnConnectionContentCreator();

    void SetPara(boost::shared_ptr<CnConnectionParams> connection, boost::shared_ptr<CnPinchParams> pinch,
                 boost::shared_ptr<CnExtendParams> extend) {
        m_connectionParams = connection;
        m_pinchParams = pinch;
        m_extendParams = extend;
    }
    boost::shared_ptr<CnConnectionParams> GetConnectionParams() const { return m_connectionParams; }
    boost::shared_ptr<CnPinchParams> GetPinchParams() const { return m_pinchParams; }
    boost::shared_ptr<CnExtendParams> GetExtendParams() const { return m_extendParams; }
    boost::shared_ptr<IkelCalculator> GetCalculator() const { return m_calculator; }
    void SetCalculator(boost::shared_ptr<IkelCalculator> calculator) { m_calculator = calculator; }

protected:
    boost::shared_ptr<CnConnectionParams> m_connectionParams;
    boost::shared_ptr<CnPinchParams> m_pinchParams;
    boost::shared_ptr<CnExtendParams> m_extendParams;
    boost::shared_ptr<IkelCalculator> m_calculator;
};

class CnConnectionGroupCreator {
public:
    CnConnectionGroupCreator() = default;
    CnConnectionGroupCreator(const CnConnectionGroupCreator&) = default;
    CnConnectionGroupCreator& operator=(const CnConnectionGroupCreator&) = default;
    virtual ~CnConnectionGroupCreator();

    void SetIsOnlyNormal(bool onlyNormal) { m_bOnlyNormal = onlyNormal; }
    bool IsOnlyNormal() const { return m_bOnlyNormal; }

protected:
    bool m_bOnlyNormal = false;
};

class CnPinchOutCreator {
public:
    explicit CnPinchOutCreator(ConnectionGroupType type = CON_GROUP_PINCHOUT) : m_type(type) {}
    // Copies share the calculator.
    CnPinchOutCreator(const CnPinchOutCreator&) = default;
    CnPinchOutCreator& operator=(const CnPinchOutCreator&) = default;
    virtual ~CnPinchOutCreator();

    ConnectionGroupType GetPinchOutType() const { return m_type; }
    boost::shared_ptr<IkelCalculator> GetConCtr() const { return m_calculator; }
    void SetConCtr(boost::shared_ptr<IkelCalculator> calculator) { m_calculator = calculator; }

protected:
    ConnectionGroupType m_type;
    boost::shared_ptr<IkelCalculator> m_calculator;
};

// One per process: made on the first call, gone when the library unloads.
class CnExtendCreator {
public:
    static CnExtendCreator* GetInstance();
    virtual ~CnExtendCreator();

    CnExtendCreator(const CnExtendCreator&) = delete;
    CnExtendCreator& operator=(const CnExtendCreator&) = delete;

private:
    CnExtendCreator() = default;
};

class CnConnectionCreatorFactory {
public:
    CnConnectionCreatorFactory() = default;
    CnConnectionCreatorFactory(const CnConnectionCreatorFactory&) = default;
    CnConnectionCreatorFactory& operator=(const CnConnectionCreatorFactory&) = default;
    virtual ~CnConnectionCreatorFactory();

    boost::shared_ptr<CnConnectionCreator> GetConnectionCreator() const { return m_connectionCreator; }
    boost::shared_ptr<CnPinchOutCreator> GetPinchOutCreator() const { return m_pinchOutCreator; }
    boost::shared_ptr<CnConnectionContentCreator> GetContentCreator() const { return m_contentCreator; }

protected:
    boost::shared_ptr<CnConnectionCreator> m_connectionCreator;
    boost::shared_ptr<CnPinchOutCreator> m_pinchOutCreator;
    boost::shared_ptr<CnConnectionContentCreator> m_contentCreator;
};
