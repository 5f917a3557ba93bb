#include "support/MainWindowFixture.h"
#include "windows/LabelButton.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMimeData>
#include <QSignalSpy>

namespace brisvane {
namespace {

class EditingTest : public test::MainWindowTest {
protected:
    // Every "Hex Error" window, owned by the main window; and the field's text and the
    // swatch's colour that the user saw while it was up.
    void watchErrors(ColorRole role, int count) {
        for (int i = 0; i < count; ++i) {
            ui.modalScripts.push_back([this, role](QDialog& dialog) {
                EXPECT_EQ(dialog.windowTitle(), "Hex Error");
                EXPECT_EQ(ui.modals.back().owner, &window);
                errors.push_back(window.colorField(role)->text() + " " +
                                 QString::number(window.roleParts(role).front()->backColor()));
            });
        }
    }
    int hexErrorWindows() const {
        return int(std::count_if(ui.modals.begin(), ui.modals.end(),
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

    std::vector<QString> errors;
};

TEST_F(EditingTest, TypingShowsTheColourAtOnceAndLeavingFillsTheFieldUpWithZeros) {
    struct Case {
        const char* typed;
        const char* shown;
        ColorValue color;
        const char* left; // the field's text once the focus has left it
    };
    const Case cases[] = {{"f", "#F", 0x0000F0, "#F00000"},
                          {"12345", "#12345", 0x503412, "#123450"}};
    ColorField* face = window.txtHex(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        face->setFocus();
        face->selectAll();
        QTest::keyClicks(face, c.typed);
        EXPECT_EQ(face->text(), c.shown);
        EXPECT_EQ(face->cursorPosition(), face->text().size());
        for (ColorPicture* part : window.roleParts(ColorRole::Face))
            EXPECT_EQ(part->backColor(), c.color);
        EXPECT_TRUE(previewHas("scrollbar-face-color:" + std::string(c.left) + ";\r\n"));
        window.txtHexTrack()->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(face->text(), c.left);
    }
    EXPECT_EQ(window.picColors(1)->backColor(), 0x808080); // the other rows keep theirs
    EXPECT_TRUE(saveOffered());
    EXPECT_EQ(hexErrorWindows(), 0);
}

TEST_F(EditingTest, TypingInsideAFullFieldKeepsTheNewCharacterAndDropsTheLast) {
    ColorField* track = window.txtHexTrack();
    track->setCursorPosition(1);
    QTest::keyClicks(track, "1");
    EXPECT_EQ(track->text(), "#180808");
    EXPECT_EQ(track->cursorPosition(), 7);
    EXPECT_TRUE(previewHas("scrollbar-track-color:#180808;"));
    track->end(false);
    QTest::keyClicks(track, "9"); // an eighth character at the end goes again
    EXPECT_EQ(track->text(), "#180808");
}

TEST_F(EditingTest, BadCharactersGoAgainWithOneWindowEachAfterTheFieldIsClean) {
    ColorField* arrows = window.txtHexArrows();
    arrows->setCursorPosition(2);
    watchErrors(ColorRole::Arrow, 3);
    QTest::keyClicks(arrows, "g"); // inside a full field: the last digit is cut, then G goes
    EXPECT_EQ(arrows->text(), "#80808");
    paste(arrows, "zz");
    EXPECT_EQ(arrows->text(), "#");
    EXPECT_EQ(window.picBArrow(1)->backColor(), 0);
    EXPECT_TRUE(previewHas("scrollbar-arrow-color:#000000;"));
    // Each window shows the field already clean and the swatch already black.
    EXPECT_EQ(errors, (std::vector<QString>{"#80808 " + QString::number(0x808080), "# 0", "# 0"}));
    paste(arrows, "#12#45"); // a second "#" clears the field without a window
    EXPECT_EQ(arrows->text(), "#");
    EXPECT_EQ(hexErrorWindows(), 3);
}

TEST_F(EditingTest, PastedTextIsCutToSevenUserPerceivedCharacters) {
    const QString family = QString::fromUtf8("\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2"
                                             "\x80\x8D\xF0\x9F\x91\xA7"); // one character
    const std::tuple<QString, const char*, int> cases[] = {
        {QString(1 << 20, 'A'), "#AAAAAA", 0},
        {"#1" + family + "2345678", "#12345", 1},
        // "1" under a million accents is one character, and no digit.
        {"#1" + QString(1 << 20, QChar(0x0301)), "#", 2}};
    for (const auto& [pasted, field, windows] : cases) {
        SCOPED_TRACE(field);
        paste(window.txtHex(0), pasted);
        EXPECT_EQ(window.txtHex(0)->text(), field);
        EXPECT_EQ(hexErrorWindows(), windows);
    }
}

TEST_F(EditingTest, EveryWayOfPastingHandsTheFieldOnlyWhatItsRulesCanUse) {
    const QString pasted = QStringLiteral("ABCDEF0123456789").repeated(64);
    ColorField* field = window.txtHex(1);
    QSignalSpy changes(field, &QLineEdit::textChanged);
    const auto longestSeen = [&] {
        qsizetype longest = 0;
        for (const QList<QVariant>& change : changes)
            longest = std::max(longest, change.first().toString().size());
        changes.clear();
        return longest;
    };

    QGuiApplication::clipboard()->setText(pasted);
    field->selectAll();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, {5, 5}, field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &menuEvent);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    menu->close();
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QLineEdit::tr("&Paste")))
            action->trigger();
    }
    EXPECT_EQ(field->text(), "#ABCDEF");
    EXPECT_LE(longestSeen(), 14);

    field->setText("#");
    QMimeData dropped;
    dropped.setText("123456" + pasted);
    const QPoint end(field->width() - 2, 5);
    QDragEnterEvent enter(end, Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(field, &enter);
    QDropEvent drop(end, Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(field, &drop);
    EXPECT_EQ(field->text(), "#123456");
    EXPECT_LE(longestSeen(), 14);
}

TEST_F(EditingTest, PickingAColourGoesEverywhere) {
    const std::tuple<ColorPicture*, ColorRole, const char*> cases[] = {
        {window.picColors(0), ColorRole::Face, "Face Color"},
        {window.picBColor(4), ColorRole::DarkShadow, "DarkShadow Color"},
        {window.picTColor(2), ColorRole::ThreeDLight, "3D Light Color"},
        {window.picBTrack(), ColorRole::Track, "Track Color"},
        {window.picBArrow(1), ColorRole::Arrow, "ArrowColor"}};
    for (const auto& [clicked, role, title] : cases) {
        SCOPED_TRACE(title);
        ui.colors.push_back(0x0000FF); // red
        QTest::mouseClick(clicked, Qt::LeftButton);
        EXPECT_EQ(ui.chooserTitles.back(), title);
        EXPECT_EQ(ui.chooserInitial, 0);
        EXPECT_EQ(window.colorField(role)->text(), "#FF0000");
        for (ColorPicture* part : window.roleParts(role))
            EXPECT_EQ(part->backColor(), 0x0000FF);
        EXPECT_TRUE(previewHas(std::string(cssPropertyName(role)) + ":#FF0000;"));
    }
}

TEST_F(EditingTest, PickingTheSameColourRebuildsThePreviewAndCancellingChangesNothing) {
    state.scheme.trackColor = "#123456"; // not on the preview until it is rebuilt
    ui.colors = {0x808080, std::nullopt};
    QTest::mouseClick(window.picColors(3), Qt::LeftButton);
    EXPECT_TRUE(previewHas("scrollbar-track-color:#123456;"));

    state.schemeModified = false;
    const QString page = window.txtHTML();
    QTest::mouseClick(window.picTColor(3), Qt::LeftButton); // and cancel
    EXPECT_TRUE(saveOffered());                             // a click counts as a change
    EXPECT_EQ(window.txtHTML(), page);
    EXPECT_EQ(window.txtHex(3)->text(), "#808080");
}

TEST_F(EditingTest, ResetAsksFirstAndRestoresTheDefaultsEverywhere) {
    window.txtHex(0)->setText("#123");
    state.schemeModified = false;
    moveOver(window.lblReset());
    ui.answers = {PlatformUi::Answer::No, PlatformUi::Answer::Yes};
    QTest::mouseClick(window.lblReset(), Qt::LeftButton);
    EXPECT_EQ(ui.messages,
              (std::vector<test::ScriptedPlatformUi::Message>{
                  {"You are about to Reset the current Scrollbar to default settings.\r\n"
                   "Are you sure?",
                   PlatformUi::Buttons::YesNo, PlatformUi::Icon::None, "Confirm Reset"}}));
    EXPECT_FALSE(window.lblReset()->isLit());
    EXPECT_TRUE(saveOffered()); // asking counts as a change
    EXPECT_EQ(window.txtHex(0)->text(), "#123");

    QTest::mouseClick(window.lblReset(), Qt::LeftButton);
    expectShows(defaultScheme);
}

} // namespace
} // namespace brisvane
