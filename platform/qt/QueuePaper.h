#pragma once

#include <QPageSize>
#include <QString>

namespace pellucors {

// The paper a print queue's `media` option names, as CUPS reports it: a PWG
// name such as "na_letter_8.5x11in" or "iso_a4_210x297mm", or a name such as
// "Letter" or "A4"; the first of a list that is one. Invalid when none is.
QPageSize PaperFromMedia(const QString& media);

// The paper of the user's region where a queue names none: Letter where
// US measures are used, A4 elsewhere.
QPageSize LocalePaper();

} // namespace pellucors
