#pragma once
// The two checks that keep an order from leaving with sizes the
// manufacturer cannot make or with lines that are not filled in.

#include <QString>
#include <QStringList>

namespace vonu {

class Catalog;
class IMessageDialog;
class OrderModel;

struct SizeCheckResult {
    QString size;            // the accepted text, or "0" when refused
    QString status;          // the text for status panel 0
    bool beep = false;
};

// Checks a made-to-measure size against the article's minimum and maximum
// (whole millimetres; an empty bound is no limit; both bounds are allowed).
// `label` names the line ("4") or the detail row ("3/2"). An article that
// is not in the catalog accepts any size; one that is never accepts 0. A
// refused size gives "0" and the message; an accepted one an empty status
// text.
SizeCheckResult checkSize(const Catalog& catalog, const QString& artikel, const QString& label,
                          const QString& size);

// The messages for the first line (1..100) that lacks a quantity, its
// details, a rebate or a typed size: one to three texts; empty when every
// line is complete.
QStringList incompleteLineMessages(const OrderModel& order);

// Shows the messages of incompleteLineMessages one after the other ("Fout",
// text on the second line, "OK"); true when there were any, so the caller
// must not go on.
bool reportIncompleteOrder(const OrderModel& order, IMessageDialog& messages);

} // namespace vonu
