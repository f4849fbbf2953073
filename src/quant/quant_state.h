// Working tables of the quantification: the per-line correction factors of
// the correction chain and the result rows and values of the eight result
// types. They are rebuilt on demand and never stored in files.
#pragma once

#include <array>

#include "document/document.h"
#include "document/environment.h"
#include "platform/findings.h"

namespace slv {

/// The correction chain's factors, valid while Document::RecalcNeeded is clear.
struct CorrectionTables {
    RowTable<float> CrossEff{};          // effective cross section, -1 = none
    RowTable<float> TransFactor{};       // analyser transmission factor
    ExpRowTable<float> AngularFactor{};  // [exp][row], -1 = unavailable
    ExpRowTable<float> LineIMFP{};       // [exp][row]
    ExpTable<float> MatAtWeight{};       // mean atomic weight of the matrix
    ExpTable<float> ContamThick{};       // reduced contamination thickness
    int CarbonRow = 0;                   // row of the contamination C 1s line, 0 = none
    ExpRowTable<float> CorrIntensity{};  // [exp][row], -1 = none
    bool ExcludeCarbon = false;          // exclude the carbon row once VARN has used it
};

/// Result types of the homogeneous quantification.
enum ResultType : int {
    kAtomicPercent = 0,
    kAtomicRatio = 1,
    kOxideMolarPercent = 2,
    kOxideMolarRatio = 3,
    kMassPercent = 4,
    kMassRatio = 5,
    kOxideMassPercent = 6,
    kOxideMassRatio = 7,
};
inline constexpr int kResultTypeCount = 8;

/// The result rows (after the multiline approach) and the numbers of the
/// current result type.
struct QuantResults {
    RowTable<Symbol> ResSymbol{};
    RowTable<ChemState> ResState{};
    RowTable<Integer> ResValence{};
    RowTable<Integer> ResOxygens{};
    RowTable<float> ResAtWeight{};
    int ResElemCount = 0;
    int OBalanceRow = 1;
    ExpRowTable<float> ResultValue{};  // [exp][result row 1..21], -1 = no value
    int ResType = kAtomicPercent;
    int RefElem = 1;
    float RefValue = 1.0f;
    bool MergeStates = false;
    /// Set by the element validation: the row's element is measured with more
    /// than one line, and whether any such element exists.
    RowTable<bool> MultiLineMark{};
    bool MultiLineFound = false;
};

/// One run of the quantification: the document it reads (and the few fields
/// the chain corrects: the binding energy of a line the source cannot
/// excite, the omit mark of the contamination carbon, the path of a moved
/// transmission file), the working tables it fills, where it runs, and where
/// it reports what it found.
struct QuantContext {
    Document& doc;
    CorrectionTables& corr;
    QuantResults& res;
    const Environment& env;
    Findings& findings;
};

}  // namespace slv
