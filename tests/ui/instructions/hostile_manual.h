// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Manuals built to cost the window memory and time, made on the fly so no
// large file is kept in the repository.

#include <QByteArray>
#include <QSize>

namespace korvex::test {

// A valid PNG of one flat colour: a huge picture in a few kilobytes.
QByteArray flatPng(QSize size);

// An RTF document holding `count` copies of `png`, each between two lines of
// text ("before N" and "after N").
QByteArray manualWithPictures(const QByteArray& png, int count);

// An RTF document of styled paragraphs, at least `bytes` long, ending with the
// paragraph "The end.".
QByteArray manualOfParagraphs(qsizetype bytes);

} // namespace korvex::test
