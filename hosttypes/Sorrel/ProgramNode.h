// The drawing programs: values, statements (program nodes) and the interpreter that holds a
// parsed program. A copy of an interpreter shares the nodes of the program it copies.
#pragma once

#include <boost/shared_ptr.hpp>
#include <vector>

#include "hosttypes/Sorrel/CreateOption.h"
#include "mfc/String.h"

// A value of a program: a number or a text.
class CProgramValue {
public:
    CProgramValue() = default;
    CProgramValue(const CProgramValue&) = default;
    CProgramValue& operator=(const CProgramValue&) = default;
    virtual ~CProgramValue() = default;

    int m_nType = 0;  // 0 number, 1 text
    double m_dValue = 0.0;
    CString m_strValue;
};

class CProgramNode {
public:
    CProgramNode() = default;
    CProgramNode(const CProgramNode&) = default;
    CProgramNode& operator=(const CProgramNode&) = default;
    virtual ~CProgramNode() = default;

    int m_nLine = 0;  // source line of the statement
    std::vector<CProgramValue> m_params;
};

class CProgramNodeCreateHLine : public CProgramNode {
public:
    CCreateLineOption m_option;
};
class CProgramNodeCreateVLine : public CProgramNode {
public:
    CCreateLineOption m_option;
};
class CProgramNodeCreateText : public CProgramNode {
public:
    CCreateTextOption m_option;
};
class CProgramNodeCreatePoint : public CProgramNode {
public:
    CCreatePointOption m_option;
};
class CProgramNodeCircle : public CProgramNode {
public:
    CCreateLineOption m_option;
};
// A condition and the statements run when it holds or not, by index in the program.
class CProgramNodeBranch : public CProgramNode {
public:
    CString m_strCondition;
    int m_nThen = -1;
    int m_nElse = -1;
};
// An assignment of a value to a named variable.
class CProgramNodePayValue : public CProgramNode {
public:
    CString m_strVariable;
};
class CProgramNodeCreateCurve : public CProgramNode {
public:
    CCreateLineOption m_option;
};
class CProgramNodeCreateLine : public CProgramNode {
public:
    CCreateLineOption m_option;
};
class CProgramNodeCreateRectFill : public CProgramNode {
public:
    CCreateFillOption m_option;
};

class CInterpreter1 {
public:
    CInterpreter1() = default;
    CInterpreter1(const CInterpreter1&) = default;
    CInterpreter1& operator=(const CInterpreter1&) = default;
    virtual ~CInterpreter1() = default;

    CString m_strProgram;
    std::vector<boost::shared_ptr<CProgramNode>> m_nodes;
};
