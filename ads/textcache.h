// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>

// What was worked out for the last texts of a field, found again by the text. Typing changes
// one field at a time, and a copy deck repeats its display URLs and headlines from ad group to
// ad group: both ask again for what was just worked out.
template<typename Value, std::size_t Size>
class TextCache
{
public:
    // The value kept for `text`, or null.
    Value *find(const QString &text)
    {
        Entry &entry = lookUp(text);
        return holds(entry, text) ? &entry.value : nullptr;
    }

    // The value kept for `text`; `make(text)` works it out when none is.
    template<typename Make>
    Value &get(const QString &text, Make make)
    {
        Entry &entry = lookUp(text);
        if (!holds(entry, text)) {
            entry.value = make(text);
            entry.text = text;
            entry.used = true;
        }
        return entry.value;
    }

private:
    struct Entry
    {
        QString text;
        Value value;
        bool used = false;
    };

    // A kept string shares its text, which therefore cannot have changed: the same data is
    // the same text.
    static bool holds(const Entry &entry, const QString &text)
    {
        return entry.used
               && ((entry.text.constData() == text.constData() && entry.text.size() == text.size())
                   || entry.text == text);
    }

    // Where `text` is kept, if anywhere: the entry to check, or to fill.
    Entry &lookUp(const QString &text)
    {
        // The same string asked for again.
        Entry &last = m_entries[m_last];
        if (last.used && last.text.constData() == text.constData()
            && last.text.size() == text.size())
            return last;
        m_last = quickHash(text) % Size;
        return m_entries[m_last];
    }

    // A few units from each end and the length: cheap for the long texts a field may hold.
    // Texts it confuses only share a place, and the text is compared before it is used.
    static std::size_t quickHash(const QString &text)
    {
        const qsizetype size = text.size();
        const qsizetype ends = std::min<qsizetype>(size, 8);
        const char16_t *units = reinterpret_cast<const char16_t *>(text.constData());
        std::size_t hash = std::size_t(size);
        for (qsizetype i = 0; i < ends; ++i)
            hash = hash * 31 + units[i] + (std::size_t(units[size - 1 - i]) << 16);
        return hash ^ (hash >> 17);
    }

    std::array<Entry, Size> m_entries;
    std::size_t m_last = 0;
};
