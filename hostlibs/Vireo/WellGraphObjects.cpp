// Constructors and run-time class records of the well-graph objects.
#include "hosttypes/Vireo/QXObjectWellGraph.h"
#include "hosttypes/Vireo/QXWellGraphDepthRuler.h"

IMPLEMENT_DYNAMIC(CQXObjectWellGraph, CQXObject)
IMPLEMENT_DYNAMIC(CQXObjectWellGraphObject, CQXObject)
IMPLEMENT_DYNAMIC(CQXObjectWellGraphCurve, CQXObjectWellGraphObject)
IMPLEMENT_DYNAMIC(CQXObjectWellGraphStratum, CQXObjectWellGraphObject)
IMPLEMENT_DYNAMIC(CQXObjectWellGraphDepth, CQXObjectWellGraphObject)
IMPLEMENT_DYNAMIC(CQXObjectWellGraphSandStratum, CQXObjectWellGraphObject)
IMPLEMENT_DYNAMIC(CQXObjectWellGraphSand, CQXObjectWellGraphObject)
IMPLEMENT_DYNAMIC(CQXObjectWellGraphFacies, CQXObjectWellGraphObject)
IMPLEMENT_DYNAMIC(CQXObjectWellGraphSynthesis, CQXObjectWellGraphObject)
IMPLEMENT_DYNAMIC(CQXObjectWellGraphResult, CQXObjectWellGraphObject)
IMPLEMENT_DYNAMIC(CQXWellGraphDepthRuler, CQXObject)

CQXObjectWellGraph::CQXObjectWellGraph(CQXLayer* layer) : CQXObject(layer) { m_strClassName = "CQXObjectWellGraph"; }
CQXObjectWellGraph::CQXObjectWellGraph(const CQXObjectWellGraph& other) = default;
CQXObjectWellGraph::~CQXObjectWellGraph() = default;

CQXObjectWellGraphObject::CQXObjectWellGraphObject(CQXLayer* layer) : CQXObject(layer) {
    m_strClassName = "CQXObjectWellGraphObject";
}
CQXObjectWellGraphObject::CQXObjectWellGraphObject(const CQXObjectWellGraphObject& other) = default;
CQXObjectWellGraphObject::~CQXObjectWellGraphObject() = default;

CQXObjectWellGraphCurve::CQXObjectWellGraphCurve(CQXLayer* layer) : CQXObjectWellGraphObject(layer) {
    m_strClassName = "CQXObjectWellGraphCurve";
}
CQXObjectWellGraphCurve::CQXObjectWellGraphCurve(const CQXObjectWellGraphCurve& other) = default;
CQXObjectWellGraphCurve::~CQXObjectWellGraphCurve() = default;

CQXObjectWellGraphStratum::CQXObjectWellGraphStratum(CQXLayer* layer) : CQXObjectWellGraphObject(layer) {
    m_strClassName = "CQXObjectWellGraphStratum";
}
CQXObjectWellGraphStratum::CQXObjectWellGraphStratum(const CQXObjectWellGraphStratum& other) = default;
CQXObjectWellGraphStratum::~CQXObjectWellGraphStratum() = default;

CQXObjectWellGraphDepth::CQXObjectWellGraphDepth(CQXLayer* layer) : CQXObjectWellGraphObject(layer) {
    m_strClassName = "CQXObjectWellGraphDepth";
}
CQXObjectWellGraphDepth::CQXObjectWellGraphDepth(const CQXObjectWellGraphDepth& other) = default;
CQXObjectWellGraphDepth::~CQXObjectWellGraphDepth() = default;

CQXObjectWellGraphSandStratum::CQXObjectWellGraphSandStratum(CQXLayer* layer) : CQXObjectWellGraphObject(layer) {
    m_strClassName = "CQXObjectWellGraphSandStratum";
}
CQXObjectWellGraphSandStratum::CQXObjectWellGraphSandStratum(const CQXObjectWellGraphSandStratum& other) = default;
CQXObjectWellGraphSandStratum::~CQXObjectWellGraphSandStratum() = default;

CQXObjectWellGraphSand::CQXObjectWellGraphSand(CQXLayer* layer) : CQXObjectWellGraphObject(layer) {
    m_strClassName = "CQXObjectWellGraphSand";
}
CQXObjectWellGraphSand::CQXObjectWellGraphSand(const CQXObjectWellGraphSand& other) = default;
CQXObjectWellGraphSand::~CQXObjectWellGraphSand() = default;

CQXObjectWellGraphFacies::CQXObjectWellGraphFacies(CQXLayer* layer) : CQXObjectWellGraphObject(layer) {
    m_strClassName = "CQXObjectWellGraphFacies";
}
CQXObjectWellGraphFacies::CQXObjectWellGraphFacies(const CQXObjectWellGraphFacies& other) = default;
CQXObjectWellGraphFacies::~CQXObjectWellGraphFacies() = default;

CQXObjectWellGraphSynthesis::CQXObjectWellGraphSynthesis(CQXLayer* layer) : CQXObjectWellGraphObject(layer) {
    m_strClassName = "CQXObjectWellGraphSynthesis";
}
CQXObjectWellGraphSynthesis::CQXObjectWellGraphSynthesis(const CQXObjectWellGraphSynthesis& other) = default;
CQXObjectWellGraphSynthesis::~CQXObjectWellGraphSynthesis() = default;

CQXObjectWellGraphResult::CQXObjectWellGraphResult(CQXLayer* layer) : CQXObjectWellGraphObject(layer) {
    m_strClassName = "CQXObjectWellGraphResult";
}
CQXObjectWellGraphResult::CQXObjectWellGraphResult(const CQXObjectWellGraphResult& other) = default;
CQXObjectWellGraphResult::~CQXObjectWellGraphResult() = default;

CQXWellGraphDepthRuler::CQXWellGraphDepthRuler(CQXLayer* layer) : CQXObject(layer) {
    m_strClassName = "CQXWellGraphDepthRuler";
}
CQXWellGraphDepthRuler::CQXWellGraphDepthRuler(const CQXWellGraphDepthRuler& other) = default;
CQXWellGraphDepthRuler::~CQXWellGraphDepthRuler() = default;
