#include "platform/HtmlView.h"
#include "support/MainWindowFixture.h"
#include "windows/ColorField.h"
#include "windows/LabelButton.h"
#include "windows/frmHexErr.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>

namespace brisvane {
namespace {

class EditingTest : public test::MainWindowFixture {
protected:
    // Every "Hex Error" window, with what the main window showed while it was open.
    struct Seen {
        QString field;
        ColorValue swatch;
    };
    void watchErrors(ColorRole role, int count) {
        for (int i = 0; i < count; ++i) {
            ui.modalScripts.push_back([this, role](QDialog& dialog) {
                EXPECT_EQ(dialog.windowTitle(), "Hex Error");
                EXPECT_EQ(ui.modals.back().owner, &window);
                errors.push_back(
                    {window.colorField(role)->text(), window.roleParts(role).front()->backColor()});
            });
        }
    }
    int hexErrorWindows() const {
        return static_cast<int>(
            std::count_if(ui.modals.begin(), ui.modals.end(),
                          [](const auto& m) { return m.title == "Hex Error"; }));
    }
    void paste(ColorField* field, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        field->selectAll();
        QTest::keySequence(field, QKeySequence::Paste);
    }
    bool previewHas(const std::string& declaration) const {
        return window.txtHTML().contains(QString::fromStdString(declaration));
    }

    std::vector<Seen> errors;
};

TEST_F(EditingTest, TypingOverTheTextShowsTheColourAtOnceAndLeavingCompletesIt) {
    ColorField* face = window.txtHex(0);
    face->setFocus();
    face->selectAll();
    QTest::keyClicks(face, "f");
    EXPECT_EQ(face->text(), "#F");
    EXPECT_EQ(face->cursorPosition(), 2);
    EXPECT_EQ(state.scheme.faceGroupColors[0], "#F00000");
    for (ColorPicture* part : window.roleParts(ColorRole::Face))
        EXPECT_EQ(part->backColor(), 0x0000F0);
    EXPECT_EQ(window.picColors(1)->backColor(), 0x808080);
    EXPECT_TRUE(previewHas("scrollbar-face-color:#F00000;\r\n"));
    EXPECT_TRUE(state.schemeModified);

    window.txtHexTrack()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(face->text(), "#F00000");
    EXPECT_EQ(state.scheme.faceGroupColors[0], "#F00000");
    EXPECT_EQ(hexErrorWindows(), 0);
}

TEST_F(EditingTest, TypingInsideAFullFieldKeepsTheNewCharacterAndDropsTheLast) {
    ColorField* track = window.txtHexTrack();
    track->setCursorPosition(1);
    QTest::keyClicks(track, "1");
    EXPECT_EQ(track->text(), "#180808");
    EXPECT_EQ(track->cursorPosition(), 7);
    EXPECT_EQ(state.scheme.trackColor, "#180808");
    EXPECT_TRUE(previewHas("scrollbar-track-color:#180808;"));
    track->end(false);
    QTest::keyClicks(track, "9"); // an eighth character at the end goes again
    EXPECT_EQ(track->text(), "#180808");
}

TEST_F(EditingTest, BadCharactersGoAgainWithOneWindowEachAfterTheFieldIsClean) {
    ColorField* arrows = window.txtHexArrows();
    arrows->setCursorPosition(2);
    watchErrors(ColorRole::Arrow, 1);
    QTest::keyClicks(arrows, "g"); // inside a full field: the last digit is cut, then G goes
    EXPECT_EQ(arrows->text(), "#80808");
    EXPECT_EQ(state.scheme.arrowColor, "#808080");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].field, "#80808");

    watchErrors(ColorRole::Arrow, 2);
    paste(arrows, "zz");
    EXPECT_EQ(arrows->text(), "#");
    EXPECT_EQ(state.scheme.arrowColor, "#000000");
    EXPECT_EQ(window.picBArrow(1)->backColor(), 0);
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_EQ(errors[1].field, "#");
    EXPECT_EQ(errors[1].swatch, 0); // already black while the first window is up
    EXPECT_EQ(hexErrorWindows(), 3);

    paste(arrows, "#12#45"); // a second "#" clears the field without a window
    EXPECT_EQ(arrows->text(), "#");
    EXPECT_EQ(hexErrorWindows(), 3);
}

TEST_F(EditingTest, PastedTextIsCutToSevenUserPerceivedCharacters) {
    struct Case {
        QString pasted;
        const char* field;
        int windows;
    };
    const QString family = QString::fromUtf8("\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2"
                                             "\x80\x8D\xF0\x9F\x91\xA7"); // one character
    const Case cases[] = {
        {QStringLiteral("1234567890"), "#123456", 0},
        {QString(1 << 20, QLatin1Char('A')), "#AAAAAA", 0},
        {QStringLiteral("#1") + family + QStringLiteral("2345678"), "#12345", 1},
        {QStringLiteral("#A\u0301B"), "#B", 1}, // A with a combining accent is one character
        // "1" under a million accents is one character, and no digit.
        {QStringLiteral("#1") + QString(1 << 20, QChar(0x0301)), "#", 1},
        {QStringLiteral("#\t\u0000\r9"), "#9", 3},
    };
    ColorField* face = window.txtHex(0);
    int windows = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        paste(face, c.pasted);
        windows += c.windows;
        EXPECT_EQ(face->text(), c.field);
        EXPECT_EQ(hexErrorWindows(), windows);
    }
}

TEST_F(EditingTest, EveryWayOfPastingHandsTheFieldOnlyWhatItsRulesCanUse) {
    const QString pasted = QStringLiteral("ABCDEF0123456789").repeated(64);
    ColorField* field = window.txtHex(1);
    QSignalSpy changes(field, &QLineEdit::textChanged);
    auto longestSeen = [&] {
        qsizetype longest = 0;
        for (const QList<QVariant>& change : changes)
            longest = std::max(longest, change.first().toString().size());
        changes.clear();
        return longest;
    };

    QGuiApplication::clipboard()->setText(pasted);
    field->selectAll();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                                field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &menuEvent);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* pasteAction = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QLineEdit::tr("&Paste")))
            pasteAction = action;
    }
    menu->close();
    ASSERT_NE(pasteAction, nullptr);
    pasteAction->trigger();
    EXPECT_EQ(field->text(), "#ABCDEF");
    EXPECT_LE(longestSeen(), 14);

    field->setText("#");
    QMimeData dropped;
    dropped.setText(QStringLiteral("123456") + pasted);
    const QPoint end(field->width() - 2, 5);
    QDragEnterEvent enter(end, Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(field, &enter);
    QDropEvent drop(end, Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(field, &drop);
    EXPECT_EQ(field->text(), "#123456");
    EXPECT_LE(longestSeen(), 14);
}

TEST_F(EditingTest, WritingTheTextAFieldHoldsChangesNothing) {
    QSignalSpy changes(window.txtHex(2), &QLineEdit::textChanged);
    window.txtHex(2)->setText("#808080");
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(state.schemeModified);
    window.txtHex(2)->setText("<not_set>"); // a damaged project colour goes the same way
    EXPECT_EQ(window.txtHex(2)->text(), "#");
    EXPECT_EQ(hexErrorWindows(), 6);
}

TEST_F(EditingTest, PickingAColourGoesEverywhere) {
    struct Case {
        ColorPicture* clicked;
        ColorRole role;
        const char* title;
    };
    const Case cases[] = {
        {window.picColors(0), ColorRole::Face, "Face Color"},
        {window.picBColor(4), ColorRole::DarkShadow, "DarkShadow Color"},
        {window.picTColor(2), ColorRole::ThreeDLight, "3D Light Color"},
        {window.picBTrack(), ColorRole::Track, "Track Color"},
        {window.picBArrow(1), ColorRole::Arrow, "ArrowColor"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        ui.colors.push_back(0x0000FF); // red
        QTest::mouseClick(c.clicked, Qt::LeftButton);
        EXPECT_EQ(ui.chooserTitles.back(), c.title);
        EXPECT_EQ(ui.chooserInitial.back(), 0);
        EXPECT_EQ(window.colorField(c.role)->text(), "#FF0000");
        EXPECT_EQ(state.scheme.color(c.role), "#FF0000");
        for (ColorPicture* part : window.roleParts(c.role))
            EXPECT_EQ(part->backColor(), 0x0000FF);
        EXPECT_TRUE(previewHas(std::string(cssPropertyName(c.role)) + ":#FF0000;"));
    }
}

TEST_F(EditingTest, PickingTheSameColourOrCancellingWritesNoField) {
    QSignalSpy changes(window.txtHex(3), &QLineEdit::textChanged);
    state.scheme.trackColor = "#123456"; // not on the preview until it is rebuilt
    ui.colors.push_back(0x808080);
    QTest::mouseClick(window.picColors(3), Qt::LeftButton);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_TRUE(previewHas("scrollbar-track-color:#123456;"));

    state.schemeModified = false;
    const QString page = window.txtHTML();
    ui.colors.push_back(std::nullopt); // cancel
    QTest::mouseClick(window.picTColor(3), Qt::LeftButton);
    EXPECT_TRUE(state.schemeModified);
    EXPECT_EQ(window.txtHTML(), page);
    EXPECT_EQ(window.txtHex(3)->text(), "#808080");
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(EditingTest, ResetAsksFirstAndRestoresTheDefaultsEverywhere) {
    window.txtHex(0)->setText("#123");
    state.schemeModified = false;
    moveOver(window.lblReset());
    ui.answers.push_back(PlatformUi::Answer::No);
    QTest::mouseClick(window.lblReset(), Qt::LeftButton);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              "You are about to Reset the current Scrollbar to default settings.\r\nAre you sure?");
    EXPECT_EQ(ui.messages[0].title, "Confirm Reset");
    EXPECT_EQ(ui.messages[0].buttons, PlatformUi::Buttons::YesNo);
    EXPECT_EQ(ui.messages[0].icon, PlatformUi::Icon::None);
    EXPECT_FALSE(window.lblReset()->isLit());
    EXPECT_TRUE(state.schemeModified);
    EXPECT_EQ(window.txtHex(0)->text(), "#123");

    ui.answers.push_back(PlatformUi::Answer::Yes);
    QTest::mouseClick(window.lblReset(), Qt::LeftButton);
    EXPECT_EQ(state.scheme, defaultScheme);
    for (ColorRole role : allColorRoles) {
        const std::string& text = defaultScheme.color(role);
        EXPECT_EQ(window.colorField(role)->text().toStdString(), text);
        for (ColorPicture* part : window.roleParts(role))
            EXPECT_EQ(part->backColor(), hexToColor(text));
        EXPECT_TRUE(previewHas(std::string(cssPropertyName(role)) + ":" + text + ";"));
    }
}

} // namespace
} // namespace brisvane
