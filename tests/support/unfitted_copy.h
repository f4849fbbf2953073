// A copy of a structured example with its stored fit taken out, as the data
// set stood before anyone fitted it: a test of the fit then sees the fit
// write new results instead of finding the example's own.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "document/data_file.h"

namespace slv::test {

inline void SaveUnfittedCopy(const std::string& example, const std::string& copy)
{
    Document doc;
    Findings findings;
    ASSERT_TRUE(DocumentWasRead(LoadDataFile(doc, example, findings))) << example;
    for (int exp = 1; exp <= doc.ExpCount; ++exp) {
        for (int k = 1; k <= kMaxLayers; ++k)
            doc.ThickRes[exp][k] = kEmptyValue;
        doc.CoverRes[exp] = kEmptyValue;
    }
    for (int k = 1; k <= doc.LayerCount; ++k)
        doc.LayerThick[k] = 0.0f;
    doc.Coverage = 0.0f;
    ASSERT_TRUE(WriteDocumentFile(doc, copy, findings)) << copy;
}

}  // namespace slv::test
