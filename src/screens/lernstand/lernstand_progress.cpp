#include "lernstand_progress.h"

#include <QList>

#include <algorithm>

namespace mk::lernstand {

namespace {

constexpr char kHeader[] =
    "# Malkobold progress: first factor, second factor, right, wrong, days, last, date\n";
// Counts stop here, so a line never grows past what reads back.
constexpr int kMaxCount = 999999999;
constexpr qsizetype kMaxDigits = 9;

std::optional<int> count(QByteArrayView field)
{
    if (field.isEmpty() || field.size() > kMaxDigits)
        return std::nullopt;
    int n = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::optional<int> factor(QByteArrayView field)
{
    const auto n = count(field);
    if (!n || *n < 1 || *n > kFactors || field.size() != (*n == kFactors ? 2 : 1))
        return std::nullopt;
    return n;
}

// Exactly yyyy-MM-dd: the conversion alone would take other spellings too.
QDate date(QByteArrayView field)
{
    if (field.size() != 10 || field[4] != '-' || field[7] != '-')
        return {};
    const auto y = count(field.first(4));
    const auto m = count(field.sliced(5, 2));
    const auto d = count(field.sliced(8, 2));
    if (!y || !m || !d)
        return {};
    return QDate(*y, *m, *d);
}

struct Line
{
    Task task;
    Record record;
};

std::optional<Line> parseLine(QByteArrayView text)
{
    if (text.endsWith('\r'))
        text.chop(1);
    const QList<QByteArray> fields = QByteArray::fromRawData(text.data(), text.size()).split(' ');
    if (fields.size() != 7)
        return std::nullopt;
    const auto a = factor(fields[0]);
    const auto b = factor(fields[1]);
    const auto right = count(fields[2]);
    const auto wrong = count(fields[3]);
    const auto days = count(fields[4]);
    const QDate when = date(fields[6]);
    const bool plus = fields[5] == "+";
    if (!a || !b || !right || !wrong || !days || !when.isValid() || (!plus && fields[5] != "-"))
        return std::nullopt;
    return Line{{*a, *b}, {*right, *wrong, *days, plus, when}};
}

} // namespace

bool operator==(Task x, Task y)
{
    return x.a == y.a && x.b == y.b;
}

int cellOf(Task task)
{
    return (task.b - 1) * kFactors + (task.a - 1);
}

Task taskOf(int cell)
{
    return {cell % kFactors + 1, cell / kFactors + 1};
}

int Progress::level(int cell) const
{
    const auto &r = record(cell);
    if (!r)
        return 0;
    if (!r->lastRight)
        return 1;
    return 1 + std::min(r->days, 3);
}

int Progress::knownCount() const
{
    int known = 0;
    for (int cell = 0; cell < kTasks; ++cell)
        known += level(cell) == kKnownLevel ? 1 : 0;
    return known;
}

void Progress::answer(Task task, bool right, const QDate &today)
{
    auto &slot = m_records[static_cast<std::size_t>(cellOf(task))];
    Record r = slot.value_or(Record{});
    if (right) {
        r.right = std::min(r.right + 1, kMaxCount);
        if (r.days == 0 || r.date != today)
            r.days = std::min(r.days + 1, kMaxCount);
    } else {
        r.wrong = std::min(r.wrong + 1, kMaxCount);
        r.days = 0;
    }
    r.lastRight = right;
    r.date = today;
    slot = r;
}

Progress Progress::parse(QByteArrayView bytes)
{
    Progress progress;
    bytes = bytes.first(std::min(bytes.size(), kMaxBytes));
    while (!bytes.isEmpty()) {
        const qsizetype end = bytes.indexOf('\n');
        const QByteArrayView text = end < 0 ? bytes : bytes.first(end);
        bytes = end < 0 ? QByteArrayView() : bytes.sliced(end + 1);
        const auto line = parseLine(text);
        if (!line)
            continue;
        auto &slot = progress.m_records[static_cast<std::size_t>(cellOf(line->task))];
        if (!slot)
            slot = line->record;
    }
    return progress;
}

QByteArray Progress::format() const
{
    QByteArray out(kHeader);
    for (int cell = 0; cell < kTasks; ++cell) {
        const auto &r = record(cell);
        if (!r)
            continue;
        const Task t = taskOf(cell);
        out += QByteArray::number(t.a) + ' ' + QByteArray::number(t.b) + ' ' + QByteArray::number(r->right) + ' '
            + QByteArray::number(r->wrong) + ' ' + QByteArray::number(r->days) + ' ' + (r->lastRight ? '+' : '-')
            + ' ' + r->date.toString(Qt::ISODate).toLatin1() + '\n';
    }
    return out;
}

} // namespace mk::lernstand
