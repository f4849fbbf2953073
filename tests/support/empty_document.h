// A document as the program holds it after start-up and File New: the fixed
// label names, the hydrogen row and the analysis defaults of an empty
// settings store, every table empty.
#pragma once

#include "document/new_document.h"
#include "platform/findings.h"

namespace slv::test {

inline Document EmptyDocument()
{
    Document doc;
    SetFixedLabelNames(doc);
    SetHydrogenRow(doc);
    PrintOptions print;
    const MemorySettingsStore settings;
    ResetDocument(doc, print, settings);
    return doc;
}

/// A document and the findings of the work done on it.
struct Work {
    Document document = EmptyDocument();
    Findings findings;

    Document& doc() { return document; }
};

}  // namespace slv::test
