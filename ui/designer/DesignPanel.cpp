#include "designer/Named.h"
#include "designer/DesignPanel.h"

#include <algorithm>

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "cases/Inputs.h"

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("DesignPanel", text);
}

struct DimensionRow {
    DesignDimension dimension;
    Entry entry;
    const char* name;
};

constexpr DimensionRow kDimensions[] = {
    {DesignDimension::ShieldDiameter, Entry::ShieldDiameter, "D"},
    {DesignDimension::Spacing, Entry::Spacing, "S"},
    {DesignDimension::SleeveDiameter, Entry::SleeveDiameter, "Di"},
    {DesignDimension::CoreDiameter, Entry::CoreDiameter, "d"},
};

const DimensionRow& rowOf(DesignDimension dimension)
{
    return *std::ranges::find(kDimensions, dimension, &DimensionRow::dimension);
}

// What may be solved for: one dimension, or two (not d with its own sleeve,
// which only scale together).
using D = DesignDimension;
const std::vector<std::vector<DesignDimension>> kChoices = {
    {D::ShieldDiameter}, {D::Spacing}, {D::SleeveDiameter}, {D::CoreDiameter},
    {D::ShieldDiameter, D::Spacing}, {D::ShieldDiameter, D::SleeveDiameter}, {D::ShieldDiameter, D::CoreDiameter},
    {D::Spacing, D::SleeveDiameter}, {D::Spacing, D::CoreDiameter},
};

struct TargetRow {
    const char* objectName;
    DesignTarget target;
    Input input;  // duvane-calc reads the target by this
    const char* label;
};

constexpr TargetRow kTargets[] = {
    {"targetZdiff", DesignTarget::Zdiff, Input::Zdiff, QT_TRANSLATE_NOOP("DesignPanel", "目標 Zdiff (Ω)")},
    {"targetZcm", DesignTarget::Zcm, Input::Zcm, QT_TRANSLATE_NOOP("DesignPanel", "目標 Zcm (Ω)")},
};

}  // namespace

QString fixedDimensionReason(const PairDesign& pair, DesignDimension dimension)
{
    if (dimension == D::Spacing && pair.spacingTouch)
        return tr("S は「接触」で Di に決まっています: S の「接触」を外してください");
    if (dimension == D::ShieldDiameter && pair.shield == ShieldKind::Foil)
        return tr("フォイルには内径 D がありません: S、Di か d を選んでください");
    if (dimension == D::ShieldDiameter && pair.shieldTouch)
        return tr("D は「接触」で S + Di に決まっています: D の「接触」を外してください");
    return {};
}

Entry entryOf(DesignDimension dimension)
{
    return rowOf(dimension).entry;
}

QString dimensionName(DesignDimension dimension)
{
    return QString::fromLatin1(rowOf(dimension).name);
}

DesignPanel::DesignPanel(QWidget* parent) : QGroupBox(tr("設計"), parent)
{
    setObjectName(QStringLiteral("designPanel"));
    auto* form = new QFormLayout(this);
    form->setVerticalSpacing(3);
    std::array<QLineEdit*, 2> targets{};
    for (std::size_t i = 0; i < std::size(kTargets); ++i) {
        targets[i] = new QLineEdit;
        targets[i]->setObjectName(QString::fromLatin1(kTargets[i].objectName));
        targets[i]->setPlaceholderText(tr("なし"));
        form->addRow(named(new QLabel(tr(kTargets[i].label)), targets[i]->objectName() + QStringLiteral("Label")), targets[i]);
    }
    zDiff_ = targets[0];
    zCm_ = targets[1];
    solveFor_ = new QComboBox;
    solveFor_->setObjectName(QStringLiteral("solveFor"));
    for (std::size_t i = 0; i < kChoices.size(); ++i) {
        QStringList names;
        for (const DesignDimension dimension : kChoices[i])
            names << dimensionName(dimension);
        solveFor_->addItem(names.join(tr(" と ")), static_cast<int>(i));
    }
    form->addRow(named(new QLabel(tr("求める寸法")), QStringLiteral("solveForLabel")), solveFor_);
    solve_ = new QPushButton(tr("設計する"));
    solve_->setObjectName(QStringLiteral("solveButton"));
    solve_->setToolTip(tr("目標に合う寸法を求めて入力欄に入れます"));
    form->addRow(QString(), solve_);
    connect(solve_, &QPushButton::clicked, this, &DesignPanel::solveAsked);
    for (QLineEdit* target : targets) {
        connect(target, &QLineEdit::returnPressed, this, &DesignPanel::solveAsked);
        connect(target, &QLineEdit::textChanged, this, &DesignPanel::targetsEdited);
    }
}

std::optional<double> DesignPanel::target(DesignTarget target) const
{
    const auto* row = std::ranges::find(kTargets, target, &TargetRow::target);
    const QLineEdit* box = row == std::begin(kTargets) ? zDiff_ : zCm_;
    double ohms = 0;
    if (box->text().trimmed().isEmpty() || !readInput(row->input, box->text().trimmed().toStdString(), ohms).empty())
        return std::nullopt;
    return ohms;
}

std::variant<DesignQuestion, QString> DesignPanel::question(const PairDesign& pair) const
{
    DesignQuestion question;
    const std::array<QLineEdit*, 2> boxes{zDiff_, zCm_};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QString text = boxes[i]->text().trimmed();
        if (text.isEmpty())
            continue;
        double ohms = 0;
        if (!readInput(kTargets[i].input, text.toStdString(), ohms).empty())
            return tr("「%1」に「%2」は使えません: 正の数を Ω で入力するか、空にしてください")
                .arg(tr(kTargets[i].label), text);
        question.targets.push_back({kTargets[i].target, ohms});
    }
    question.free = kChoices[static_cast<std::size_t>(solveFor_->currentData().toInt())];
    if (question.targets.empty())
        return tr("目標の Zdiff か Zcm (または両方) を入力してください");
    if (question.targets.size() != question.free.size())
        return tr("目標が %1 つなら求める寸法も %1 つ選んでください").arg(question.targets.size());
    for (const DesignDimension dimension : question.free)
        if (QString problem = fixedDimensionReason(pair, dimension); !problem.isEmpty())
            return problem;
    return question;
}
