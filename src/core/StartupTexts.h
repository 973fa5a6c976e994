#pragma once

#include <QString>
#include <QStringList>

namespace tidewick {

inline const QString kProductName = QStringLiteral("Tidewick");

// The title of every message box that names none of its own: the product
// name without its last word, cut further while longer than 40 characters.
// A name without blanks has nothing to cut and stays whole.
QString applicationTitle(const QString &productName);

// Entries of a fixed comma-separated code list: each piece with blanks
// trimmed at both ends; pieces that are empty then add nothing.
QStringList codeListEntries(const QString &text);

// The texts the lists are filled from.
inline const QString kCountryCodes = QStringLiteral(
    "ae, ar, at, au, be, bg, br, ca, ch, cn, co, cu, cz,de, eg, fr, gb, gr, hk, hu, id, ie, il, in, it, jp, kr, "
    "lt, lv, ma, mx, my,ng, nl, no, nz, ph, pl, pt, ro, rs, ru, sa, se, sg, si, sk, th, tr, tw, ua,us, ve, za");
inline const QString kCategories =
    QStringLiteral("business, entertainment, general, health, science, sports,technology");

} // namespace tidewick
