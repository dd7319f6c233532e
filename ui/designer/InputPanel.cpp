#include "designer/Named.h"
#include "designer/InputPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "cases/UnitParsers.h"
#include "Colours.h"
#include "Materials.h"
#include "NumberText.h"

namespace {

constexpr int kCustom = -1;  // the material combo's entry for numbers of the user's own

QString awgName(int size)
{
    // 0000 is -3, as the diameter formula takes it.
    return size >= 0 ? QString::number(size) : QString(1 - size, QLatin1Char('0'));
}

QString shortest(double value)
{
    return QString::fromStdString(formatShortest(value));
}

}  // namespace

InputPanel::InputPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("designInputs"));
    auto* grid = new QGridLayout(this);
    grid_ = grid;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);

    int row = 0;
    addEntry(grid, row, Entry::CoreDiameter);
    awg_ = new QComboBox;
    awg_->setObjectName(QStringLiteral("coreAwg"));
    awg_->addItem(tr("mm で指定"));
    for (int size = kThickestAwg; size <= kThinnestAwg; ++size)
        awg_->addItem(tr("AWG %1").arg(awgName(size)), size);
    grid->addWidget(awg_, row++, 2);
    addEntry(grid, row++, Entry::SleeveDiameter);
    addEntry(grid, row, Entry::Spacing);
    spacingTouch_ = new QCheckBox(tr("接触"));
    spacingTouch_->setObjectName(QStringLiteral("spacingTouch"));
    spacingTouch_->setToolTip(tr("被覆どうしが接する: S = Di"));
    grid->addWidget(spacingTouch_, row++, 2);

    shieldKind_ = new QComboBox;
    shieldKind_->setObjectName(QStringLiteral("shieldKind"));
    shieldKind_->addItem(tr("円形シールド"), static_cast<int>(ShieldKind::Round));
    shieldKind_->addItem(tr("フォイル (被覆に沿う)"), static_cast<int>(ShieldKind::Foil));
    grid->addWidget(named(new QLabel(tr("シールド")), QStringLiteral("shieldKindLabel")), row, 0);
    grid->addWidget(shieldKind_, row++, 1, 1, 2);
    addEntry(grid, row, Entry::ShieldDiameter);
    shieldTouch_ = new QCheckBox(tr("接触"));
    shieldTouch_->setObjectName(QStringLiteral("shieldTouch"));
    shieldTouch_->setToolTip(tr("被覆がシールドに接する: D = S + Di"));
    grid->addWidget(shieldTouch_, row++, 2);
    addEntry(grid, row++, Entry::Clearance);
    addEntry(grid, row++, Entry::Drain);

    materials_[0] = {addMaterial(grid, row++, "sleeveMaterial", tr("被覆の材料")),
                     Entry::SleeveEr, Entry::SleeveTand};
    addEntry(grid, row++, Entry::SleeveEr);
    addEntry(grid, row++, Entry::SleeveTand);
    materials_[1] = {addMaterial(grid, row++, "fillMaterial", tr("充填の材料")),
                     Entry::FillEr, Entry::FillTand};
    addEntry(grid, row++, Entry::FillEr);
    addEntry(grid, row++, Entry::FillTand);
    addEntry(grid, row++, Entry::Frequency);
    addEntry(grid, row++, Entry::Conductivity);
    grid->setRowStretch(row, 1);

    for (const MaterialRow& material : materials_)
        connect(material.choice, &QComboBox::activated, this, [this, material] { materialChosen(material); });
    connect(awg_, &QComboBox::currentIndexChanged, this, &InputPanel::edited);
    connect(shieldKind_, &QComboBox::currentIndexChanged, this, &InputPanel::edited);
    connect(spacingTouch_, &QCheckBox::toggled, this, &InputPanel::edited);
    connect(shieldTouch_, &QCheckBox::toggled, this, &InputPanel::edited);
    setEntries(DesignEntries::initial());
}

QLineEdit* InputPanel::addEntry(QGridLayout* grid, int row, Entry entry)
{
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(entryName(entry)));
    auto* label = named(new QLabel(entryLabel(entry)), box->objectName() + QStringLiteral("Label"));
    label->setBuddy(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    boxes_[static_cast<std::size_t>(entry)] = box;
    connect(box, &QLineEdit::textChanged, this, [this, entry] {
        if (filling_)
            return;
        for (const MaterialRow& material : materials_)
            if (entry == material.er || entry == material.tand)
                matchMaterial(material);
        emit changed();
    });
    return box;
}

QComboBox* InputPanel::addMaterial(QGridLayout* grid, int row, const char* name, const QString& label)
{
    auto* choice = new QComboBox;
    choice->setObjectName(QString::fromLatin1(name));
    const auto all = materials();
    for (std::size_t i = 0; i < all.size(); ++i)
        choice->addItem(QString::fromUtf8(all[i].japanese.data(), static_cast<qsizetype>(all[i].japanese.size())),
                        static_cast<int>(i));
    choice->addItem(tr("カスタム"), kCustom);
    choice->setToolTip(tr("材料を選ぶと比誘電率と誘電正接が入ります。数値を変えると「カスタム」になります"));
    grid->addWidget(named(new QLabel(label), choice->objectName() + QStringLiteral("Label")), row, 0);
    grid->addWidget(choice, row, 1, 1, 2);
    return choice;
}

void InputPanel::materialChosen(const MaterialRow& row)
{
    const int index = row.choice->currentData().toInt();
    if (index == kCustom)
        return;
    const Material& material = materials()[static_cast<std::size_t>(index)];
    filling_ = true;
    box(row.er)->setText(shortest(material.er));
    box(row.tand)->setText(shortest(material.tanDelta));
    filling_ = false;
    edited();
}

// The material whose numbers the boxes hold, or カスタム.
void InputPanel::matchMaterial(const MaterialRow& row)
{
    double er = 0, tand = 0;
    int found = kCustom;
    if (parseNumber(box(row.er)->text().toStdString(), er) && parseNumber(box(row.tand)->text().toStdString(), tand)) {
        const auto all = materials();
        for (std::size_t i = 0; i < all.size() && found == kCustom; ++i)
            if (all[i].er == er && all[i].tanDelta == tand)
                found = static_cast<int>(i);
    }
    row.choice->setCurrentIndex(row.choice->findData(found));
}

DesignEntries InputPanel::entries() const
{
    DesignEntries entries;
    for (std::size_t i = 0; i < kEntryCount; ++i)
        entries.texts[i] = boxes_[i]->text();
    if (awg_->currentIndex() > 0)
        entries.awg = awg_->currentData().toInt();
    entries.spacingTouch = spacingTouch_->isChecked();
    entries.shieldTouch = shieldTouch_->isChecked();
    entries.shield = static_cast<ShieldKind>(shieldKind_->currentData().toInt());
    return entries;
}

void InputPanel::setEntries(const DesignEntries& entries)
{
    filling_ = true;
    for (std::size_t i = 0; i < kEntryCount; ++i)
        boxes_[i]->setText(entries.texts[i]);
    awg_->setCurrentIndex(entries.awg ? awg_->findData(*entries.awg) : 0);
    spacingTouch_->setChecked(entries.spacingTouch);
    shieldTouch_->setChecked(entries.shieldTouch);
    shieldKind_->setCurrentIndex(shieldKind_->findData(static_cast<int>(entries.shield)));
    for (const MaterialRow& row : materials_)
        matchMaterial(row);
    filling_ = false;
    edited();
}

QString InputPanel::plainText() const
{
    const DesignEntries now = entries();
    const bool round = now.shield == ShieldKind::Round;
    QStringList lines;
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const QLayoutItem* caption = grid_->itemAtPosition(row, 0);
        const QLayoutItem* value = grid_->itemAtPosition(row, 1);
        if (caption == nullptr || value == nullptr)
            continue;
        QWidget* shown = value->widget();
        if ((!round && shown == box(Entry::ShieldDiameter)) ||
            (round && (shown == box(Entry::Clearance) || shown == box(Entry::Drain))))
            continue;
        QString text;
        if (const auto* edit = qobject_cast<const QLineEdit*>(shown))
            text = edit->text();
        else if (const auto* list = qobject_cast<const QComboBox*>(shown))
            text = list->currentText();
        if (const QLayoutItem* extra = grid_->itemAtPosition(row, 2)) {
            if (const auto* contact = qobject_cast<const QCheckBox*>(extra->widget()); contact && contact->isChecked() && contact->isEnabled())
                text += QStringLiteral(" (") + contact->text() + QLatin1Char(')');
            else if (extra->widget() == awg_ && now.awg)
                text += QStringLiteral(" (") + awg_->currentText() + QLatin1Char(')');
        }
        lines << qobject_cast<const QLabel*>(caption->widget())->text() + QLatin1Char('\t') + text;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void InputPanel::setLength(Entry entry, double metres)
{
    // A wire of its own diameter is no AWG size.
    if (entry == Entry::CoreDiameter)
        awg_->setCurrentIndex(0);
    box(entry)->setText(millimetreText(metres));
}

void InputPanel::markProblem(const Entry* entry, const QString& reason)
{
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const bool wrong = entry != nullptr && static_cast<std::size_t>(*entry) == i;
        if (wrong)
            setFieldColour(*boxes_[i], invalidFieldColour());
        else
            boxes_[i]->setPalette(QPalette());  // the window's own again, disabled look included
        boxes_[i]->setToolTip(wrong ? reason : QString());
    }
}

void InputPanel::showResolved(const PairDesign& design)
{
    filling_ = true;
    const DesignEntries now = entries();
    if (now.awg)
        box(Entry::CoreDiameter)->setText(millimetreText(design.coreDiameter));
    if (now.spacingTouch)
        box(Entry::Spacing)->setText(millimetreText(design.spacingOf()));
    if (now.shield == ShieldKind::Round && now.shieldTouch)
        box(Entry::ShieldDiameter)->setText(millimetreText(design.shieldOf()));
    filling_ = false;
}

void InputPanel::updateEnabled()
{
    const DesignEntries now = entries();
    for (std::size_t i = 0; i < kEntryCount; ++i)
        boxes_[i]->setEnabled(entryUsed(now, static_cast<Entry>(i)));
    shieldTouch_->setEnabled(now.shield == ShieldKind::Round);
}

void InputPanel::edited()
{
    updateEnabled();
    if (!filling_)
        emit changed();
}
