// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The three fields of one ad.
enum class AdField { Title, Text, URL };

struct AdFields
{
    QString title;
    QString text;
    QString url;

    const QString &operator[](AdField field) const
    {
        return field == AdField::Title ? title : field == AdField::Text ? text : url;
    }
    friend bool operator==(const AdFields &, const AdFields &) = default;
};
