#pragma once

// The monkey's walk through the designer window: opened from the main
// window's menu, typed into key by key (each key a new input that supersedes
// the solve before it), its contacts, lists, design solve, chart and copies
// used at random; after every step, once its solve has settled, the window
// must show the solver's figures for the inputs it shows, or gray them out
// with the reason where the inputs are wrong: never nan or inf, never a
// stale figure as current.

#include <algorithm>
#include <functional>
#include <variant>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "Coaxmain.h"
#include "Colours.h"
#include "DesignerChecks.h"
#include "designer/CrossSectionView.h"
#include "designer/DesignWindow.h"
#include "designer/InputPanel.h"
#include "designer/ResultPanel.h"
#include "MonkeyRandom.h"

class DesignerWalk {
public:
    using Say = std::function<void(const QString&)>;

    DesignerWalk(Random& random, Say begin, Say fail, Say count)
        : random_(random), begin_(std::move(begin)), fail_(std::move(fail)), count_(std::move(count))
    {
    }

    // Opens the window if it is not open, then takes a few steps in it; it
    // may close it again at the end.
    void session(TFormMain& main)
    {
        if (window_ == nullptr || !window_->isVisible()) {
            begin_(QStringLiteral("designer: open from the menu"));
            main.designAction->trigger();
            window_ = main.findChild<DesignWindow*>(QStringLiteral("designWindow"));
            if (window_ == nullptr || !window_->isVisible())
                return fail_(QStringLiteral("the menu did not open the designer"));
            settleAndCheck();
        }
        for (int steps = 1 + random_.below(6); steps > 0 && !failed_; --steps)
            step();
        if (!failed_ && random_.percent(25)) {
            begin_(QStringLiteral("designer: close"));
            window_->close();
        }
    }

private:
    // Texts a designer types into each entry, with some that must be refused;
    // the first kPlausible are in reach on their own.
    static constexpr int kPlausible = 3;
    struct EntryTexts {
        Entry entry;
        std::vector<const char*> texts;
    };

    static const std::vector<EntryTexts>& entryTexts()
    {
        // A drain wire is rare: under a foil each of its solves takes a second.
        static const std::vector<EntryTexts> texts = {
            {Entry::CoreDiameter, {"0.5", "0.4", "0.25", "0.8", "0.127", "1", "", "x", "0,5", "-0.5", "20mil", "nan"}},
            {Entry::SleeveDiameter, {"1.3", "1.0", "1.6", "0.9", "2", "0.5", "", "abc", "1.3mm", "-1", "inf"}},
            {Entry::Spacing, {"1.3", "1.5", "2", "1.0", "3", "", "..", "1.35"}},
            {Entry::ShieldDiameter, {"2.6", "3", "4", "2.2", "10", "", "0", "1e9"}},
            {Entry::Clearance, {"0", "0.05", "0.1", "0.5", "", "-0.1", "x"}},
            {Entry::Drain, {"0", "0", "0", "0", "0.3", ""}},
            {Entry::SleeveEr, {"2.26", "2.1", "1", "3.2", "10", "0.5", "", "e"}},
            {Entry::SleeveTand, {"0.0002", "0", "0.001", "0.02", "0.2", "-0.001", ""}},
            {Entry::FillEr, {"1", "1.5", "2.26", "", "0.9"}},
            {Entry::FillTand, {"0", "0.0001", "0.1", "0.11"}},
            {Entry::Frequency, {"1GHz", "10GHz", "100MHz", "1MHz", "20GHz", "1 GHz", "50GHz", "1e9", "0Hz", "fast", ""}},
            {Entry::Conductivity, {"5.8e7", "3.5e7", "1e5", "1e8", "1e9", "0", ""}},
        };
        return texts;
    }

    void step()
    {
        static constexpr struct {
            int weight;
            void (DesignerWalk::*run)();
        } kSteps[] = {
            {40, &DesignerWalk::typeEntry},  {8, &DesignerWalk::toggleContact}, {12, &DesignerWalk::chooseInList},
            {8, &DesignerWalk::askDesign},   {6, &DesignerWalk::changeChart},   {6, &DesignerWalk::copy},
        };
        (this->*random_.pickWeighted(kSteps).run)();
        // Even before the solve settles, whatever is shown as current must
        // be of the inputs shown.
        if (!failed_ && window_->results()->isCurrent()) {
            const auto checked = checkEntries(window_->inputs()->entries());
            const auto* pair = std::get_if<DesignCase>(&checked);
            if (pair == nullptr)
                return fail(QStringLiteral("results shown as current beside wrong input"));
            if (const QString mismatch = figureMismatch(*window_, pair->design, pair->losses, pair->frequency);
                !mismatch.isEmpty())
                return fail(QStringLiteral("before settling: ") + mismatch);
        }
        if (!failed_)
            settleAndCheck();
    }

    // Mostly any entry and any of its texts; but where an entry is marked
    // wrong, mostly that one, with a plausible text, as a user puts it right.
    void typeEntry()
    {
        const auto checked = checkEntries(window_->inputs()->entries());
        const auto* problem = std::get_if<EntryProblem>(&checked);
        const bool mend = problem != nullptr && random_.percent(70);
        const auto& all = entryTexts();
        const EntryTexts& entry = mend ? *std::ranges::find(all, problem->entry, &EntryTexts::entry)
                                       : all[static_cast<std::size_t>(random_.below(static_cast<int>(all.size())))];
        QLineEdit* box = window_->inputs()->box(entry.entry);
        const int choices = mend ? kPlausible : static_cast<int>(entry.texts.size());
        const QString text = QString::fromLatin1(entry.texts[static_cast<std::size_t>(random_.below(choices))]);
        begin_(QStringLiteral("designer: type \"%1\" into %2").arg(text, box->objectName()));
        if (!box->isEnabled())
            return count_(QStringLiteral("designer: disabled boxes left alone"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
        if (box->text() != text)
            fail(QStringLiteral("%1 holds \"%2\" after typing \"%3\"").arg(box->objectName(), box->text(), text));
    }

    void toggleContact()
    {
        const char* name = random_.percent(50) ? "spacingTouch" : "shieldTouch";
        auto* box = window_->findChild<QCheckBox*>(QString::fromLatin1(name));
        begin_(QStringLiteral("designer: click %1").arg(name));
        if (box->isEnabled())
            box->click();
    }

    void chooseInList()
    {
        static const char* const kLists[] = {"coreAwg", "shieldKind", "sleeveMaterial", "fillMaterial"};
        const char* name = random_.pick(kLists);
        auto* list = window_->findChild<QComboBox*>(QString::fromLatin1(name));
        // The AWG list is long; mostly its first entries (mm, the thick sizes) or the common ones.
        const int index = random_.below(list->count());
        begin_(QStringLiteral("designer: choose %1 in %2").arg(list->itemText(index), name));
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    // Slow under a foil with a drain wire, where each of its many solves takes a second.
    bool slowShape() const
    {
        const std::optional<DesignCase>& pair = window_->currentCase();
        return pair && pair->design.shield == ShieldKind::Foil && pair->design.drainDiameter > 0;
    }

    void askDesign()
    {
        static const char* const kTargets[] = {"100", "90", "110", "", "30", "40", "abc", "5"};
        static const char* const kDimensions[] = {"D", "S", "Di", "d", "D と S", "S と Di"};
        const QString zDiff = QString::fromLatin1(random_.pick(kTargets));
        const QString zCm = random_.percent(70) ? QString() : QString::fromLatin1(random_.pick(kTargets));
        const QString free = QString::fromUtf8(random_.pick(kDimensions));
        begin_(QStringLiteral("designer: design %1 for Zdiff \"%2\", Zcm \"%3\"").arg(free, zDiff, zCm));
        if (slowShape())
            return count_(QStringLiteral("designer: designs left out under a foil with a drain"));
        window_->findChild<QLineEdit*>(QStringLiteral("targetZdiff"))->setText(zDiff);
        window_->findChild<QLineEdit*>(QStringLiteral("targetZcm"))->setText(zCm);
        auto* list = window_->findChild<QComboBox*>(QStringLiteral("solveFor"));
        list->setCurrentIndex(list->findText(free));
        window_->findChild<QPushButton*>(QStringLiteral("solveButton"))->click();
        settle();
        const QString status = window_->findChild<QLabel*>(QStringLiteral("designStatus"))->text();
        count_(status.startsWith(QStringLiteral("設計: ")) ? QStringLiteral("designer: designs found")
                                                          : QStringLiteral("designer: designs refused"));
    }

    void changeChart()
    {
        static const char* const kDimensions[] = {"D", "S", "Di", "d"};
        const QString dimension = QString::fromLatin1(random_.pick(kDimensions));
        static const double kSpans[] = {5, 20, 50};
        const double span = random_.pick(kSpans);
        begin_(QStringLiteral("designer: chart %1 ± %2 %").arg(dimension).arg(span));
        auto* list = window_->findChild<QComboBox*>(QStringLiteral("chartDimension"));
        list->setCurrentIndex(list->findText(dimension));
        window_->findChild<QDoubleSpinBox*>(QStringLiteral("chartSpan"))->setValue(span);
    }

    void copy()
    {
        const bool csv = random_.percent(50);
        begin_(csv ? QStringLiteral("designer: copy CSV") : QStringLiteral("designer: copy text"));
        QApplication::clipboard()->clear();
        QSignalSpy copied(window_, &DesignWindow::copied);
        window_->findChild<QPushButton*>(csv ? QStringLiteral("copyCsvButton") : QStringLiteral("copyTextButton"))->click();
        const bool expected = csv ? window_->currentCase().has_value() : window_->results()->isCurrent();
        if (csv && expected)
            copied.wait(60000);
        if (static_cast<bool>(copied.size()) != expected)
            return fail(QStringLiteral("copy %1 gave %2 copies").arg(csv ? "CSV" : "text").arg(copied.size()));
        const QString text = QApplication::clipboard()->text();
        if (expected && !text.contains(csv ? QStringLiteral("zdiff_ohm") : QStringLiteral("Zdiff\t")))
            fail(QStringLiteral("the clipboard holds %1").arg(text.left(80)));
    }

    // Until the figures (and a design) of the inputs are in.
    void settle()
    {
        QElapsedTimer clock;
        clock.start();
        while (window_->solving() && clock.elapsed() < kSettleMs)
            QTest::qWait(1);
        QApplication::processEvents();
        if (window_->solving())
            fail(QStringLiteral("the designer did not settle in %1 s").arg(kSettleMs / 1000));
    }

    void settleAndCheck()
    {
        settle();
        if (!failed_)
            check();
    }

    void check()
    {
        const auto* status = window_->findChild<QLabel*>(QStringLiteral("designStatus"));
        for (const QLabel* label : window_->findChildren<QLabel*>()) {
            if (!label->objectName().startsWith(QStringLiteral("result")))
                continue;
            const QString text = label->text();
            if (text.contains(QStringLiteral("nan"), Qt::CaseInsensitive) ||
                text.contains(QStringLiteral("inf"), Qt::CaseInsensitive))
                return fail(QStringLiteral("%1 shows \"%2\"").arg(label->objectName(), text));
        }
        const auto checked = checkEntries(window_->inputs()->entries());
        if (const auto* problem = std::get_if<EntryProblem>(&checked)) {
            count_(QStringLiteral("designer: wrong inputs"));
            if (window_->results()->isCurrent() || resultLabel(*window_, "resultZdiff")->isEnabled())
                return fail(QStringLiteral("results shown as current beside wrong input: %1").arg(problem->message));
            if (window_->currentCase())
                return fail(QStringLiteral("a case stands beside wrong input"));
            if (!status->text().contains(problem->message))
                return fail(QStringLiteral("the status says \"%1\", not \"%2\"").arg(status->text(), problem->message));
            if (window_->inputs()->box(problem->entry)->palette().color(QPalette::Base) != invalidFieldColour())
                return fail(QStringLiteral("%1 is wrong but not marked").arg(entryName(problem->entry)));
            return;
        }
        const DesignCase& pair = std::get<DesignCase>(checked);
        const QString mismatch = figureMismatch(*window_, pair.design, pair.losses, pair.frequency);
        if (mismatch.startsWith(QStringLiteral("the solver refuses"))) {
            count_(QStringLiteral("designer: shapes the solver refuses"));
            if (window_->results()->isCurrent() || !status->text().startsWith(QStringLiteral("計算できません")))
                fail(QStringLiteral("a refused shape shows \"%1\", results current %2")
                         .arg(status->text())
                         .arg(window_->results()->isCurrent()));
            return;
        }
        count_(QStringLiteral("designer: solved inputs"));
        if (!window_->results()->isCurrent())
            return fail(QStringLiteral("the results of valid inputs are grayed out: %1").arg(status->text()));
        if (!mismatch.isEmpty())
            fail(mismatch);
    }

    void fail(const QString& what)
    {
        failed_ = true;
        fail_(QStringLiteral("designer: ") + what);
    }

    static constexpr int kSettleMs = 60000;

    Random& random_;
    Say begin_;
    Say fail_;
    Say count_;
    DesignWindow* window_ = nullptr;
    bool failed_ = false;
};
