// Data series of a chart dataset: the base answers the row index as its value; the typed
// series store their values.
#pragma once

#include <string>
#include <vector>

class IkelDataSery {
public:
    enum KELDataSeriesType : int { KEL_SERY_DOUBLE = 0, KEL_SERY_INT = 1, KEL_SERY_STRING = 2, KEL_SERY_DATETIME = 3 };

    IkelDataSery();
    virtual ~IkelDataSery();
    IkelDataSery(const IkelDataSery&) = default;
    IkelDataSery& operator=(const IkelDataSery&) = default;

    virtual double GetDoubleData(unsigned i);
    virtual double GetMax();
    virtual double GetMin();
    virtual double GetMinGreater0();

    int GetType() const;
    std::string GetName() const;
    void SetName(const std::string& name);

protected:
    int m_nType = 1;
    std::string m_strName;
};

class CkelDataSeryDouble : public IkelDataSery {
public:
    CkelDataSeryDouble();
    ~CkelDataSeryDouble() override;

    double GetDoubleData(unsigned i) override;
    double GetMax() override;
    double GetMin() override;
    void Reserve(unsigned n);

    // Chart library.
    void AddData(double value);
    unsigned GetCount() const;

protected:
    std::vector<double> m_values;
};

class CkelDataSeryInt : public IkelDataSery {
public:
    CkelDataSeryInt();
    ~CkelDataSeryInt() override;

    double GetDoubleData(unsigned i) override;
    double GetMax() override;
    double GetMin() override;
    void Reserve(unsigned n);

    // Chart library.
    void AddData(int value);
    unsigned GetCount() const;

protected:
    std::vector<int> m_values;
};

class CkelDataSeryString : public IkelDataSery {
public:
    CkelDataSeryString();
    ~CkelDataSeryString() override;

    void Reserve(unsigned n);

    // Chart library.
    void AddData(const std::string& value);
    std::string GetStringData(unsigned i) const;
    unsigned GetCount() const;

protected:
    std::vector<std::string> m_values;
};

// Date-time values are kept as day numbers (days since 30 December 1899, time as fraction).
class CkelDataSeryDateTime : public IkelDataSery {
public:
    CkelDataSeryDateTime();
    ~CkelDataSeryDateTime() override;

    double GetDoubleData(unsigned i) override;
    double GetMax() override;
    double GetMin() override;
    double GetMinGreater0() override;
    void Reserve(unsigned n);

    // Chart library.
    void AddData(double dayNumber);
    unsigned GetCount() const;

protected:
    std::vector<double> m_values;
};
