// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Test set-up of a document's data without undo steps, as if a file had been
// loaded: poke(document)->setCell(...) changes the image at the end of the
// statement and tells every window, as any change does.

#include "RadioDocument.h"

class DocumentPoke
{
public:
    explicit DocumentPoke(RadioDocument& document) : m_document(document), m_data(document.data()) {}
    ~DocumentPoke() { m_document.restore(m_data); }
    DocumentPoke(const DocumentPoke&) = delete;
    DocumentPoke& operator=(const DocumentPoke&) = delete;

    MemoryImage* operator->() { return &m_data.image; }
    RadioData& data() { return m_data; }

private:
    RadioDocument& m_document;
    RadioData m_data;
};

inline DocumentPoke poke(RadioDocument& document)
{
    return DocumentPoke(document);
}
