// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Manuals built to cost the window memory and time, made on the fly so no
// large file is kept in the repository.

#include <QByteArray>
#include <QSize>

namespace korvex::test {

// A valid PNG of one flat colour: a huge picture in a few kilobytes.
QByteArray flatPng(QSize size);

// An RTF document holding `count` copies of `picture`, each between two lines
// of text ("before N" and "after N"), introduced by `words`.
QByteArray manualWithPictures(const QByteArray& picture, int count,
                              QByteArrayView words = "\\pngblip");

// An RTF document of styled paragraphs, at least `bytes` long, ending with the
// paragraph "The end.".
QByteArray manualOfParagraphs(qsizetype bytes);

// The manuals that froze the window, one per kind of cost, each near the
// size a user could be given.
struct HostileManual {
    const char* name;
    QByteArray (*make)();
};
extern const HostileManual kHostileManuals[10];

} // namespace korvex::test
