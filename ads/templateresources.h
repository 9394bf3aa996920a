// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

// What a template may load: images, table and body backgrounds, style sheets. Profiles are
// shared between people, so a template is untrusted: it must not make the program read without
// end (/dev/zero), wait for ever (a named pipe) or decode a picture of gigabytes.
//
// The caps lie far above anything an ad preview shows (a logo is some hundred pixels wide and
// some kilobytes long) and far below what hurts: an image at the pixel cap decodes to 4 MB in
// about 20 ms, and the worst template the layout bounds allow still shows in a fraction of a
// second (bench_template).
constexpr qint64 maxResourceBytes = 2 * 1024 * 1024;
constexpr qint64 maxImagePixels = 1024 * 1024;
// All resources of one engine together, decoded images counted at 4 bytes a pixel: two
// images at the pixel cap, or any number of logos.
constexpr qint64 maxEngineResourceBytes = 10 * 1024 * 1024;

// The local file that a template's reference names, or empty when it names none: relative
// references resolve in `engineFolder` first and then, as Qt's browser resolves them, in the
// working directory (the program's folder); "file:" URLs and absolute paths name themselves;
// "qrc:" and ":/" name the program's own embedded files. Anything else (http:, data:, ...)
// is no local file.
QString templateResourcePath(const QUrl &name, const QString &engineFolder);

// The bytes of the resource at `path`, or nothing when it is not a regular file (links
// followed) of at most `cap` bytes. Devices, pipes, sockets and folders are refused without
// waiting for them.
std::optional<QByteArray> readTemplateResource(const QString &path, qint64 cap = maxResourceBytes);
