#pragma once

#include "core/update/SourceDraw.h"
#include "core/update/UpdateSource.h"

#include <QStringList>

// What one source's answer holds, checked: draws of the game's domain only (six distinct
// reds 1..33, a blue 1..16, a draw number 1..999), each issue once, oldest first.
struct SourceRead
{
    bool ok = false;
    QString error;        // why the answer is not of the expected form (ok == false)
    SourceDraws draws;
    QStringList notes;    // what was put right or left out: duplicates, order, bad numbers
    int given = 0;        // entries of a draw-notice answer, good or bad
    int total = -1;       // the draws the draw-notice interface has in all; -1: not said
};

// Reads an answer of the given form. Pure: the same bytes always give the same reading.
SourceRead ReadSourceAnswer(UpdateSource::Form form, const QByteArray &bytes);

// The common checks behind every form, for draws in the order a source gave them.
// `lines` holds, per draw, where it stood ("第12行", "第3条"), for the notes.
SourceRead CheckSourceDraws(const SourceDraws &given, const QStringList &places);
