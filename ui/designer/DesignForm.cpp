#include "designer/DesignForm.h"

#include <QCoreApplication>

#include <cmath>

#include "cases/CableCase.h"
#include "cases/Loss.h"
#include "field/CrossSection.h"
#include "Materials.h"
#include "NumberText.h"

namespace {

constexpr double kMillimetre = 1e-3;

// How an entry is read: by duvane-calc's reader of `input`, or as an Er.
struct EntryRow {
    Entry entry;
    const char* name;
    const char* label;
    Input input;
    const char* hint;  // what the entry takes; %1, %2: the limits below
    double limitLow = 0;
    double limitHigh = 0;
};

// Texts for tr(); the "DesignForm" context.
constexpr EntryRow kRows[] = {
    {Entry::CoreDiameter, "coreDiameter", QT_TRANSLATE_NOOP("DesignForm", "導体径 d (mm)"), Input::WireDiameter,
     QT_TRANSLATE_NOOP("DesignForm", "正の長さを mm で入力してください (例 0.5)")},
    {Entry::SleeveDiameter, "sleeveDiameter", QT_TRANSLATE_NOOP("DesignForm", "被覆外径 Di (mm)"), Input::Sleeve,
     QT_TRANSLATE_NOOP("DesignForm", "正の長さを mm で入力してください (例 1.3)")},
    {Entry::Spacing, "spacing", QT_TRANSLATE_NOOP("DesignForm", "導体間隔 S (mm)"), Input::Spacing,
     QT_TRANSLATE_NOOP("DesignForm", "導体の中心間の距離を mm で入力してください")},
    {Entry::ShieldDiameter, "shieldDiameter", QT_TRANSLATE_NOOP("DesignForm", "シールド内径 D (mm)"),
     Input::ShieldDiameter, QT_TRANSLATE_NOOP("DesignForm", "正の長さを mm で入力してください")},
    {Entry::Clearance, "clearance", QT_TRANSLATE_NOOP("DesignForm", "フォイルのすき間 (mm)"), Input::Clearance,
     QT_TRANSLATE_NOOP("DesignForm", "被覆とフォイルの間を mm で入力してください (密着は 0)")},
    {Entry::Drain, "drainDiameter", QT_TRANSLATE_NOOP("DesignForm", "ドレイン線径 (mm)"), Input::Drain,
     QT_TRANSLATE_NOOP("DesignForm", "ドレイン線の径を mm で入力してください (なしは 0)")},
    {Entry::SleeveEr, "sleeveEr", QT_TRANSLATE_NOOP("DesignForm", "被覆の比誘電率"), Input::ErSleeve,
     QT_TRANSLATE_NOOP("DesignForm", "1 以上の数を入力してください")},
    {Entry::SleeveTand, "sleeveTand", QT_TRANSLATE_NOOP("DesignForm", "被覆の誘電正接"), Input::TandSleeve,
     QT_TRANSLATE_NOOP("DesignForm", "%1 から %2 の数を入力してください (損失の式は低損失の誘電体のものです)"), 0,
     kMaxLossTangent},
    {Entry::FillEr, "fillEr", QT_TRANSLATE_NOOP("DesignForm", "充填の比誘電率"), Input::ErFill,
     QT_TRANSLATE_NOOP("DesignForm", "1 以上の数を入力してください")},
    {Entry::FillTand, "fillTand", QT_TRANSLATE_NOOP("DesignForm", "充填の誘電正接"), Input::TandFill,
     QT_TRANSLATE_NOOP("DesignForm", "%1 から %2 の数を入力してください (損失の式は低損失の誘電体のものです)"), 0,
     kMaxLossTangent},
    {Entry::Frequency, "frequency", QT_TRANSLATE_NOOP("DesignForm", "周波数"), Input::Frequency,
     QT_TRANSLATE_NOOP("DesignForm", "単位を付けて入力してください (例 1GHz、500MHz)")},
    {Entry::Conductivity, "conductivity", QT_TRANSLATE_NOOP("DesignForm", "導電率 (S/m)"), Input::Conductivity,
     QT_TRANSLATE_NOOP("DesignForm", "%1 から %2 の数を入力してください (銅は 5.8e7)"), kLeastConductivity,
     kMostConductivity},
};

const EntryRow& rowOf(Entry entry)
{
    return kRows[static_cast<std::size_t>(entry)];
}

constexpr bool inEntryOrder()
{
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        if (static_cast<std::size_t>(kRows[i].entry) != i)
            return false;
    return std::size(kRows) == kEntryCount;
}
static_assert(inEntryOrder(), "one row per entry, in the order of Entry");

QString tr(const char* text)
{
    return QCoreApplication::translate("DesignForm", text);
}

QString mmText(double metres)
{
    return QString::fromStdString(formatSignificant(metres / kMillimetre, 4));
}

QString shortest(double value)
{
    return QString::fromStdString(formatShortest(value));
}

// A limit as engineers write it: 0.1, 1e5.
QString limitText(double value)
{
    if (value < 1e4)
        return shortest(value);
    const int exponent = static_cast<int>(std::floor(std::log10(value)));
    return shortest(value / std::pow(10.0, exponent)) + QStringLiteral("e%1").arg(exponent);
}

QString hintOf(const EntryRow& row)
{
    const QString hint = tr(row.hint);
    return row.limitHigh > 0 ? hint.arg(limitText(row.limitLow), limitText(row.limitHigh)) : hint;
}

bool isEr(Entry entry)
{
    return entry == Entry::SleeveEr || entry == Entry::FillEr;
}

// Reads one entry the way duvane-calc reads its option; an Er is a number of
// 1 or more here, the material being the window's own choice. A drain wire
// of 0 is none.
std::optional<QString> readEntry(Entry entry, const QString& typed, double& value)
{
    const EntryRow& row = rowOf(entry);
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return tr("「%1」が空です: %2").arg(entryLabel(entry), hintOf(row));
    const std::string utf8 = text.toStdString();
    double number = 0;
    const bool plainNumber = parseNumberText(utf8, number) == NumberParse::Ok;
    if (entry == Entry::Drain && plainNumber && number == 0) {
        value = 0;
        return std::nullopt;
    }
    std::string problem;
    if (isEr(entry))
        problem = plainNumber && number >= 1 ? std::string() : "not an Er";
    else
        problem = readInput(row.input, utf8, value);
    if (isEr(entry) && problem.empty())
        value = number;
    // A contact is chosen by its check box, not typed.
    if (problem.empty() && value < 0)
        problem = "negative";
    if (problem.empty())
        return std::nullopt;
    if (text.contains(QLatin1Char(',')))
        return tr("「%1」の小数点は「.」で書いてください: %2").arg(entryLabel(entry), hintOf(row));
    return tr("「%1」に「%2」は使えません: %3").arg(entryLabel(entry), text, hintOf(row));
}

CaseInput caseInputOf(const DesignEntries& entries, const std::array<double, kEntryCount>& values)
{
    const auto value = [&](Entry entry) { return values[static_cast<std::size_t>(entry)]; };
    CaseInput input;
    if (entries.awg)
        input.set(Input::Awg, *entries.awg);
    else
        input.set(Input::WireDiameter, value(Entry::CoreDiameter));
    input.set(Input::Sleeve, value(Entry::SleeveDiameter));
    input.set(Input::Spacing, entries.spacingTouch ? kTouch : value(Entry::Spacing));
    if (entries.shield == ShieldKind::Round) {
        input.set(Input::ShieldDiameter, entries.shieldTouch ? kTouch : value(Entry::ShieldDiameter));
    } else {
        input.set(Input::Clearance, value(Entry::Clearance));
        if (value(Entry::Drain) > 0)
            input.set(Input::Drain, value(Entry::Drain));
    }
    for (const Entry entry : {Entry::SleeveEr, Entry::SleeveTand, Entry::FillEr, Entry::FillTand, Entry::Frequency,
                              Entry::Conductivity})
        input.set(rowOf(entry).input, value(entry));
    setLossDefaults(input);
    return input;
}

// The shape's own conflicts, said for the entry that fixes them.
std::optional<EntryProblem> shapeProblem(const PairDesign& design)
{
    const double d = design.coreDiameter, di = design.sleeve(), s = design.spacingOf(), D = design.shieldOf();
    if (di < d)
        return EntryProblem{Entry::SleeveDiameter,
                            tr("被覆外径 Di (%1 mm) が導体径 d (%2 mm) より細くなっています: Di を d 以上にしてください")
                                .arg(mmText(di), mmText(d))};
    if (s < di * (1 - kTouchTolerance))
        return EntryProblem{Entry::Spacing,
                            tr("被覆が重なっています (S %1 mm < Di %2 mm): S を Di 以上にするか「接触」をチェックしてください")
                                .arg(mmText(s), mmText(di))};
    if (design.shield == ShieldKind::Round && s + di > D * (1 + kTouchTolerance))
        return EntryProblem{
            Entry::ShieldDiameter,
            tr("被覆がシールドを突き抜けています (S + Di = %1 mm > D %2 mm): D を大きくするか「接触」をチェックしてください")
                .arg(mmText(s + di), mmText(D))};
    if (design.shield == ShieldKind::Foil && design.drainDiameter > 0) {
        if (di <= d)
            return EntryProblem{Entry::Drain, tr("ドレイン線が裸の導体に触れます: 被覆を付けるかドレイン線径を 0 にしてください")};
        if (design.drainDiameter * (1 + kTouchTolerance) < s - di)
            return EntryProblem{Entry::Drain,
                                tr("ドレイン線が被覆の間の溝に落ちます: ドレイン線径を S − Di (%1 mm) 以上にしてください")
                                    .arg(mmText(s - di))};
    }
    return std::nullopt;
}

}  // namespace

const char* entryName(Entry entry)
{
    return rowOf(entry).name;
}

QString entryLabel(Entry entry)
{
    return tr(rowOf(entry).label);
}

DesignEntries DesignEntries::initial()
{
    DesignEntries entries;
    entries[Entry::CoreDiameter] = QStringLiteral("0.5");
    entries[Entry::SleeveDiameter] = QStringLiteral("1.3");
    entries[Entry::Spacing] = QStringLiteral("1.3");
    entries[Entry::ShieldDiameter] = QStringLiteral("2.6");
    entries[Entry::Clearance] = QStringLiteral("0");
    entries[Entry::Drain] = QStringLiteral("0");
    const Material* sleeve = findMaterial(kInitialSleeveMaterial);
    const Material* fill = findMaterial(kInitialFillMaterial);
    entries[Entry::SleeveEr] = shortest(sleeve->er);
    entries[Entry::SleeveTand] = shortest(sleeve->tanDelta);
    entries[Entry::FillEr] = shortest(fill->er);
    entries[Entry::FillTand] = shortest(fill->tanDelta);
    entries[Entry::Frequency] = QStringLiteral("1GHz");
    entries[Entry::Conductivity] = QString::number(LineLosses{}.conductivity, 'g', 6);
    entries.spacingTouch = true;
    entries.shieldTouch = true;
    return entries;
}

bool entryUsed(const DesignEntries& entries, Entry entry)
{
    const bool round = entries.shield == ShieldKind::Round;
    switch (entry) {
    case Entry::CoreDiameter: return !entries.awg;
    case Entry::Spacing: return !entries.spacingTouch;
    case Entry::ShieldDiameter: return round && !entries.shieldTouch;
    case Entry::Clearance:
    case Entry::Drain: return !round;
    default: return true;
    }
}

std::variant<DesignCase, EntryProblem> checkEntries(const DesignEntries& entries)
{
    std::array<double, kEntryCount> values{};
    for (const EntryRow& row : kRows) {
        if (!entryUsed(entries, row.entry))
            continue;
        if (std::optional<QString> problem = readEntry(row.entry, entries[row.entry], values[static_cast<std::size_t>(row.entry)]))
            return EntryProblem{row.entry, *problem};
    }
    DesignCase found;
    found.input = caseInputOf(entries, values);
    found.settings.shield = entries.shield;
    const CableCase cable = cableOf(found.input, found.settings);
    found.design = cable.design;
    found.losses = lineLossesOf(cable, found.input);
    found.frequency = found.input[Input::Frequency];
    if (std::optional<EntryProblem> problem = shapeProblem(found.design))
        return *problem;
    return found;
}

QString millimetreText(double metres)
{
    return QString::fromStdString(formatSignificant(metres / kMillimetre, 9));
}
