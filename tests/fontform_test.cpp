#include "controls/newedit.h"
#include "controls/newspd.h"
#include "editors/fontform.h"
#include "page/page.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

namespace {

QString current(const QListWidget *list)
{
    return list->currentItem() ? list->currentItem()->text() : QString();
}

// Opens the chooser at `value` and runs `inside` in its loop; the chooser is
// closed afterwards if `inside` left it open. Answers the chosen value.
std::optional<QString> openWith(TfrmFont &font, const QString &value, const std::function<void()> &inside)
{
    // Opening calls the sample page, whose wait runs events: the step waits
    // until the chooser shows.
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, &font, [&] {
        if (!font.isVisible())
            return;
        timer.stop();
        inside();
        if (font.isVisible())
            font.reject();
    });
    timer.start();
    return font.choose(value);
}

void pressKey(TfrmFont &font, Qt::Key key)
{
    QWidget *focused = QApplication::focusWidget() ? QApplication::focusWidget() : font.focusWidget();
    QTest::keyClick(focused, key);
}

// A family installed here whose name has a space, or the first one.
QString installedFamily()
{
    const QStringList families = QFontDatabase::families();
    for (const QString &f : families)
        if (f.contains(QLatin1Char(' ')))
            return f;
    return families.value(0);
}

void clickEntry(QListWidget *list, const QString &text)
{
    const auto found = list->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    list->setCurrentItem(found.first());
}

} // namespace

class FontFormTest : public QObject
{
    Q_OBJECT

private slots:
    void fontValuePart_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("family");
        QTest::newRow("all three") << "bold 12px Arial" << "bold" << "12px" << "Arial";
        QTest::newRow("family with spaces") << "bold 12px Times New Roman" << "bold" << "12px" << "Times New Roman";
        QTest::newRow("empty: defaults") << "" << "normal" << "8px" << "nofont";
        QTest::newRow("weight only") << "bold" << "bold" << "8px" << "nofont";
        QTest::newRow("size not starting with a digit") << "bold medium Arial" << "bold" << "8px" << "Arial";
        QTest::newRow("large size kept") << "bold 150px Arial" << "bold" << "150px" << "Arial";
        QTest::newRow("two spaces leave an empty part") << "bold  12px Arial" << "bold" << "8px" << "12px Arial";
        QTest::newRow("blank parts") << " \t 12px" << "normal" << "8px" << "12px";
        QTest::newRow("control characters only") << "\t\x01 \x02 " << "normal" << "8px" << "nofont";
        QTest::newRow("a part that is not blank stays untrimmed") << "bold 12px \tArial " << "bold" << "12px"
                                                                   << "\tArial ";
        QTest::newRow("quoted family") << "600 1.5em \"My Font\"" << "600" << "1.5em" << "\"My Font\"";
    }
    void fontValuePart()
    {
        QFETCH(QString, value);
        QFETCH(QString, weight);
        QFETCH(QString, size);
        QFETCH(QString, family);
        QCOMPARE(FontValuePart(value, 0), weight);
        QCOMPARE(FontValuePart(value, 1), size);
        QCOMPARE(FontValuePart(value, 2), family);
    }

    void cssFamilyName_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("css");
        QTest::newRow("one word") << "Arial" << "Arial";
        QTest::newRow("spaces") << "Times New Roman" << "Times New Roman";
        QTest::newRow("hyphen and non-ASCII") << "Noto Sans-Ünï" << "Noto Sans-Ünï";
        QTest::newRow("word starting with a digit") << "Font 2000" << "\"Font 2000\"";
        QTest::newRow("double quotes") << "My \"Q\" Font" << "\"My \\\"Q\\\" Font\"";
        QTest::newRow("single quote") << "Jo's Hand" << "\"Jo's Hand\"";
        QTest::newRow("backslash") << "A\\B" << "\"A\\\\B\"";
        QTest::newRow("generic keyword alone") << "Serif" << "\"Serif\"";
        QTest::newRow("generic keyword in a name") << "DejaVu Serif" << "DejaVu Serif";
        QTest::newRow("reserved word anywhere") << "Default" << "\"Default\"";
        QTest::newRow("two spaces") << "A  B" << "\"A  B\"";
    }
    void cssFamilyName()
    {
        QFETCH(QString, family);
        QFETCH(QString, css);
        QCOMPARE(CssFamilyName(family), css);
        QCOMPARE(FamilyFromCss(css), family);
    }

    void composedValues_areValidCssFonts_data()
    {
        QTest::addColumn<QString>("family");
        for (const char *f : {"Arial", "Times New Roman", "Font 2000", "My \"Q\" Font", "Jo's Hand", "A\\B", "Serif",
                              "Default", "A  B"})
            QTest::newRow(f) << QString::fromUtf8(f);
    }
    void composedValues_areValidCssFonts()
    {
        QFETCH(QString, family);
        TfrmFont font(harness::gate());
        font.lbFont->addItem(family);
        clickEntry(font.lbFont, family);
        clickEntry(font.lbStyle, QStringLiteral("bold"));
        clickEntry(font.lbSize, QStringLiteral("12"));
        font.spdAssignClick();
        QCOMPARE(font.eNewValue->text(), QStringLiteral("bold 12px ") + CssFamilyName(family));
        // The sample view takes only what CSS takes.
        QVERIFY2(font.UpdateSample(), qPrintable(font.eNewValue->text()));
        font.eNewValue->setText(QStringLiteral("bold 12px Font 2000"));
        QVERIFY(!font.UpdateSample());
    }

    void genericFamily_isKnownAtTheEndOfAValue_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("ends");
        QTest::newRow("one family") << "normal 13px Verdana" << false;
        QTest::newRow("stack with sans-serif") << "normal 13px Verdana, Geneva, sans-serif" << true;
        QTest::newRow("no space after the comma") << "bold 12px Georgia,serif" << true;
        QTest::newRow("generic alone") << "normal 12px monospace" << true;
        QTest::newRow("quoted generic is a family name") << "normal 12px Arial, \"sans-serif\"" << false;
        QTest::newRow("generic in the middle") << "normal 12px serif, Georgia" << false;
        QTest::newRow("empty") << "" << false;
    }
    void genericFamily_isKnownAtTheEndOfAValue()
    {
        QFETCH(QString, value);
        QFETCH(bool, ends);
        QCOMPARE(EndsInGenericFamily(value), ends);
    }

    void genericFamilyFor_guessesFromTheFamily_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("generic");
        QTest::newRow("sans") << "Verdana" << "sans-serif";
        QTest::newRow("a sans serif by name") << "DejaVu Sans" << "sans-serif";
        QTest::newRow("serif by name") << "DejaVu Serif" << "serif";
        QTest::newRow("quoted serif") << "\"Times New Roman\"" << "serif";
        QTest::newRow("fixed pitch") << "DejaVu Sans Mono" << "monospace";
        QTest::newRow("first of a list") << "Courier, Arial" << "monospace";
    }
    void genericFamilyFor_guessesFromTheFamily()
    {
        QFETCH(QString, family);
        QFETCH(QString, generic);
        QCOMPARE(GenericFamilyFor(family), generic);
    }

    // A value without a generic family shows the suggestion; its button adds
    // the family, and then the suggestion goes.
    void chosenFamilyWithoutGeneric_isOfferedOne()
    {
        TfrmFont font(harness::gate());
        openWith(font, QStringLiteral("bold 12px Verdana"), [&] {
            QVERIFY(font.lblGeneric->isVisible());
            QVERIFY2(font.lblGeneric->text().contains(QStringLiteral("\"sans-serif\"")), qPrintable(font.lblGeneric->text()));
            font.spdAddGenericClick();
            QCOMPARE(font.eNewValue->text(), QStringLiteral("bold 12px Verdana, sans-serif"));
            QVERIFY(!font.lblGeneric->isVisible());
            QVERIFY(!font.spdAddGeneric->isVisible());
        });
    }

    void stack_composesItsWholeList_andIsSelectedAgainFromIt()
    {
        TfrmFont font(harness::gate());
        openWith(font, QStringLiteral("bold 12px Verdana"), [&] {
            clickEntry(font.lbFont, QStringLiteral("Serif (stack)"));
            QCOMPARE(font.eNewValue->text(), QStringLiteral("bold 12px Georgia, \"Times New Roman\", \"DejaVu Serif\", serif"));
            QVERIFY(!font.lblGeneric->isVisible());
            QVERIFY(font.UpdateSample());
        });
        openWith(font, QStringLiteral("bold 12px Georgia, \"Times New Roman\", \"DejaVu Serif\", serif"),
                 [&] { QCOMPARE(current(font.lbFont), QStringLiteral("Serif (stack)")); });
    }

    void lists_filledOnce()
    {
        TfrmFont font(harness::gate());
        QCOMPARE(font.lbFont->item(0)->text(), QStringLiteral("Default"));
        // The stacks come first; each says in its tip what it is.
        QStringList families;
        int stacks = 0;
        for (int i = 1; i < font.lbFont->count(); ++i) {
            const QListWidgetItem *item = font.lbFont->item(i);
            if (item->toolTip().isEmpty())
                families << item->text();
            else
                QVERIFY2(i == ++stacks && EndsInGenericFamily(QStringLiteral("normal 12px ") + item->toolTip()),
                         qPrintable(item->toolTip()));
        }
        QCOMPARE(stacks, 4);
        QStringList expected = QFontDatabase::families();
        expected.removeDuplicates();
        QCOMPARE(QSet<QString>(families.begin(), families.end()), QSet<QString>(expected.begin(), expected.end()));
        QCOMPARE(families.size(), expected.size());
        for (int i = 1; i < families.size(); ++i)
            QVERIFY(families[i - 1].compare(families[i], Qt::CaseInsensitive) <= 0);
        QCOMPARE(font.lbSize->count(), 100);
        QCOMPARE(font.lbSize->item(0)->text(), QStringLiteral("1"));
        QCOMPARE(font.lbSize->item(99)->text(), QStringLiteral("100"));
        QStringList styles;
        for (int i = 0; i < font.lbStyle->count(); ++i)
            styles << font.lbStyle->item(i)->text();
        QCOMPARE(styles, QStringList({"normal", "bold", "bolder", "lighter", "100", "200", "300", "400", "500", "600",
                                      "700", "800", "900"}));
        QCOMPARE(font.lblUnits->text(), QStringLiteral("px"));
        QVERIFY(font.cbAssign->isChecked());
    }

    void opening_selectsTheValuesParts_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("family"); // "*" the installed family, "" the first entry
        QTest::newRow("px") << "bold 12px *" << "bold" << "12" << "*";
        QTest::newRow("pt selects the same") << "bold 12pt *" << "bold" << "12" << "*";
        QTest::newRow("empty") << "" << "normal" << "8" << "Default";
        QTest::newRow("size too large") << "300 150px *" << "300" << "1" << "*";
        // A size that is no number reads as the default 8px.
        QTest::newRow("size as a word") << "lighter medium *" << "lighter" << "8" << "*";
        QTest::newRow("unknown weight") << "heavy 12px *" << "normal" << "12" << "*";
        QTest::newRow("quoted family") << "bold 12px \"*\"" << "bold" << "12" << "*";
    }
    void opening_selectsTheValuesParts()
    {
        QFETCH(QString, value);
        QFETCH(QString, weight);
        QFETCH(QString, size);
        QFETCH(QString, family);
        const QString installed = installedFamily();
        value.replace(QLatin1Char('*'), installed);
        family.replace(QLatin1Char('*'), installed);
        TfrmFont font(harness::gate());
        font.CurrentUnit = QStringLiteral("cm");
        QString oldShown, newShown, w, s, f;
        const std::optional<QString> chosen = openWith(font, value, [&] {
            oldShown = font.eOldValue->text();
            newShown = font.eNewValue->text();
            w = current(font.lbStyle);
            s = current(font.lbSize);
            f = current(font.lbFont);
        });
        QCOMPARE(oldShown, value);
        QCOMPARE(newShown, value);
        QCOMPARE(w, weight);
        QCOMPARE(s, size);
        QCOMPARE(f, family);
        // The unit of the value is not taken over.
        QCOMPARE(font.CurrentUnit, QStringLiteral("cm"));
        // Closed without Ok: no value comes back.
        QVERIFY(!chosen);
    }

    void sample_showsTheValueWithDefaults()
    {
        TfrmFont font(harness::gate());
        QString shown;
        openWith(font, QString(), [&] {
            shown = font.wbFont->callText(QStringLiteral("eval"),
                                          {QStringLiteral("document.getElementById('tdFont').style.font")});
        });
        QVERIFY2(shown.contains(QLatin1String("8px")) && shown.contains(QLatin1String("nofont")), qPrintable(shown));
    }

    void auto_composesOnListClicksAndUnits()
    {
        const QString installed = installedFamily();
        TfrmFont font(harness::gate());
        QString afterFamily, afterUnit, afterSize, unitLabel;
        openWith(font, QStringLiteral("bold 12px Arial"), [&] {
            clickEntry(font.lbFont, installed);
            afterFamily = font.eNewValue->text();
            font.unitButtons.at(0)->click(); // pt
            afterUnit = font.eNewValue->text();
            unitLabel = font.lblUnits->text();
            clickEntry(font.lbSize, QStringLiteral("14"));
            afterSize = font.eNewValue->text();
        });
        const QString css = CssFamilyName(installed);
        QCOMPARE(afterFamily, QStringLiteral("bold 12px ") + css);
        QCOMPARE(afterUnit, QStringLiteral("bold 12pt ") + css);
        QCOMPARE(unitLabel, QStringLiteral("pt"));
        QCOMPARE(afterSize, QStringLiteral("bold 14pt ") + css);

        // The unit lasts; reading the composed value back selects the family.
        QString selectedFamily;
        openWith(font, afterSize, [&] { selectedFamily = current(font.lbFont); });
        QCOMPARE(selectedFamily, installed);
        QCOMPARE(font.CurrentUnit, QStringLiteral("pt"));
    }

    void autoCleared_onlyAssignComposes()
    {
        TfrmFont font(harness::gate());
        font.cbAssign->setChecked(false);
        QString afterClicks, label, afterAssign;
        openWith(font, QStringLiteral("bold 12px Arial"), [&] {
            clickEntry(font.lbSize, QStringLiteral("20"));
            font.unitButtons.at(3)->click(); // in
            afterClicks = font.eNewValue->text();
            label = font.lblUnits->text();
            font.spdAssign->click();
            afterAssign = font.eNewValue->text();
        });
        QCOMPARE(afterClicks, QStringLiteral("bold 12px Arial"));
        QCOMPARE(label, QStringLiteral("in"));
        QVERIFY2(afterAssign.startsWith(QStringLiteral("bold 20in ")), qPrintable(afterAssign));
    }

    void familyNotInstalled_isKept()
    {
        TfrmFont font(harness::gate());
        QString opened, selected, afterTyping;
        openWith(font, QStringLiteral("bold 12px My Web Font"), [&] {
            selected = current(font.lbFont);
            clickEntry(font.lbSize, QStringLiteral("14"));
            opened = font.eNewValue->text();
            // Typed by the user, then a weight clicked.
            font.eNewValue->selectAll();
            QTest::keyClicks(font.eNewValue, QStringLiteral("normal 10px 'Other Font'"));
            clickEntry(font.lbStyle, QStringLiteral("bold"));
            afterTyping = font.eNewValue->text();
        });
        QCOMPARE(selected, QStringLiteral("My Web Font"));
        QCOMPARE(opened, QStringLiteral("bold 14px My Web Font"));
        QCOMPARE(afterTyping, QStringLiteral("bold 10px 'Other Font'"));
        // A later opening forgets the kept family.
        QString first;
        openWith(font, QString(), [&] { first = font.lbFont->item(1)->text(); });
        QVERIFY(first != QLatin1String("Other Font"));
        QCOMPARE(font.lbFont->findItems(QStringLiteral("My Web Font"), Qt::MatchExactly).size(), 0);
    }

    void keysAndButtons_decideTheResult_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Enter in the new value") << "enter" << true;
        QTest::newRow("Enter in a list") << "enter in list" << true;
        QTest::newRow("Ok") << "ok" << true;
        QTest::newRow("Escape") << "escape" << false;
        QTest::newRow("Cancel") << "cancel" << false;
    }
    void keysAndButtons_decideTheResult()
    {
        QFETCH(QString, how);
        QFETCH(bool, accepted);
        TfrmFont font(harness::gate());
        const std::optional<QString> result = openWith(font, QStringLiteral("bold 12px Arial"), [&] {
            font.eNewValue->setFocus();
            font.eNewValue->selectAll();
            QTest::keyClicks(font.eNewValue, QStringLiteral("italic 9px Typed"));
            if (how == QLatin1String("enter in list")) {
                font.lbStyle->setFocus();
                pressKey(font, Qt::Key_Return);
            } else if (how == QLatin1String("enter")) {
                pressKey(font, Qt::Key_Return);
            } else if (how == QLatin1String("escape")) {
                pressKey(font, Qt::Key_Escape);
            } else if (how == QLatin1String("ok")) {
                font.spdApply->click();
            } else {
                font.spdCancel->click();
            }
        });
        QCOMPARE(result, accepted ? std::optional<QString>(QStringLiteral("italic 9px Typed")) : std::nullopt);
    }
};

PLIVEX_TEST_MAIN(FontFormTest)
#include "fontform_test.moc"
