// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/panels/sum_row_panel_texts.h"

#include "answer/diagnosis.h"

#include <algorithm>

namespace sumrow {

const SumRowTexts& Texts() {
    static const SumRowTexts texts;
    return texts;
}

QString ColumnName(int n, bool decimal) {
    const SumRowTexts& t = Texts();
    if (decimal) {
        if (n <= 1) {
            return t.Hundredths;
        }
        if (n == 2) {
            return t.Tenths;
        }
        if (n == 3) {
            return t.Comma;
        }
        n -= 3;
    }
    return t.Columns[std::clamp(n, 1, static_cast<int>(t.Columns.size())) - 1];
}

QString GoodOrWrong(bool right) {
    return right ? Texts().Right : Texts().Wrong;
}

} // namespace sumrow

using namespace kit;
using namespace sumrow;

// ------------------------------------------------------------------------------- Uitleg
QString SumRowPanel::WhereAndWhy(const Diagnosis& d, bool why) {
    const SumRowTexts& t = Texts();
    const bool change = d.Row == RowKind::Change;
    const bool decimal = d.Row != RowKind::Classic;
    if (change && (d.Unreadable || d.Column == 0)) {
        return t.LookAtChangeField;
    }
    const QString column = ColumnName(d.Column, decimal);
    QString text = change                     ? t.LookAtChange.arg(column)
                   : decimal && d.Column == 3 ? t.LookAtComma
                                              : t.LookAt.arg(column);
    const std::optional<Mistake> only = d.Only();
    if (!why || !only) {
        return text;
    }
    const QString from = ColumnName(std::max(d.From, 1), decimal);
    QString because;
    switch (*only) {
    case Mistake::CarryNotAdded:
        because = t.CarryNotAdded.arg(from, column);
        break;
    case Mistake::WholeColumnSum:
        because = t.WholeColumnSum;
        break;
    case Mistake::SwappedDigits:
        because = t.SwappedDigits.arg(column);
        break;
    case Mistake::CarryOfOne:
        because = t.CarryOfOne.arg(from);
        break;
    case Mistake::DecimalsNotLinedUp:
        because = t.DecimalsNotLinedUp;
        break;
    case Mistake::CommaAsDigit:
        because = t.CommaAsDigit;
        break;
    case Mistake::ChangeReversed:
        because = t.ChangeReversed;
        break;
    case Mistake::ChangeSmallerFromLarger:
        because = t.ChangeSmallerFromLarger;
        break;
    case Mistake::ChangeOffByCarry:
        because = t.ChangeOffByCarry.arg(from, column);
        break;
    }
    return text + QLatin1Char('\n') + because;
}

QString SumRowPanel::Worked(const Lesson& lesson, const Diagnosis& d) {
    const SumRowTexts& t = Texts();
    const ExerciseState& ex = lesson.Exercise();
    if (d.Row == RowKind::Change) {
        return t.WorkedChange.arg(Q(FormatPlain(ex.Paid)), Q(FormatPlain(ex.Total)),
                                  Q(FormatPlain(ex.Change)));
    }
    const AddendSettings& s = lesson.Settings().Addends;
    const WorkedColumn w = WorkColumn(ex, s.N, d.Row == RowKind::Decimal, d.Column);
    switch (w.What) {
    case WorkedColumn::Kind::Comma:
        return t.WorkedComma;
    case WorkedColumn::Kind::Nothing:
        return t.WorkedNothing;
    case WorkedColumn::Kind::CarryOnly:
        return t.WorkedCarryOnly.arg(w.Written) +
               (w.CarryOut > 0 ? t.WorkedCarry.arg(w.CarryOut) : QString());
    case WorkedColumn::Kind::Digits:
        break;
    }
    QStringList terms;
    for (const int digit : w.Digits) {
        terms << QString::number(digit);
    }
    if (w.CarryIn > 0) {
        terms << QString::number(w.CarryIn);
    }
    const QString sum =
        terms.size() == 1
            ? t.WorkedOne.arg(terms.front())
            : t.WorkedSum.arg(terms.join(QStringLiteral(" + "))).arg(w.Sum).arg(w.Written);
    return sum + (w.CarryOut > 0 ? t.WorkedCarry.arg(w.CarryOut) : QString());
}
