#pragma once

#include <QString>

namespace getalveld {

// Whether a sum screen adds or subtracts.
enum class Operation { Plus, Minus };

// " + " or " - ", the sign between two numbers.
inline QString signText(Operation op)
{
    return op == Operation::Plus ? QStringLiteral(" + ") : QStringLiteral(" - ");
}

// "253 + 142": two numbers with the sign between them.
inline QString sumText(int from, Operation op, int other)
{
    return QString::number(from) + signText(op) + QString::number(other);
}

// "+ 100": a jump as a help button shows it.
inline QString jumpText(Operation op, int jump)
{
    return signText(op).trimmed() + u' ' + QString::number(jump);
}

// A help step on its second line: "\r\n253 + 100 = 353".
inline QString stepText(int from, Operation op, int jump, int to)
{
    return QStringLiteral("\r\n") + sumText(from, op, jump) + QStringLiteral(" = ") + QString::number(to);
}

} // namespace getalveld
