#pragma once

#include "scheme/ColorRole.h"

#include <QObject>
#include <vector>

namespace brisvane {

struct AppState;
class ColorPicture;

// The enlarged picture's thumb and arrow button show the hover face while the pointer is over
// them and the pressed face while the mouse button is held there, as a page's scroll bar does;
// a state left unset shows the face. Clicks still go to the strips.
class PictureFaceStates : public QObject {
    Q_OBJECT

public:
    PictureFaceStates(AppState& state, QObject* parent);

    // One part of the picture: the strips it is drawn with, its face strip first.
    void addPart(const std::vector<ColorPicture*>& strips);
    // Paints the faces of pointed-at and held parts again: after any change of the colours,
    // which paint every face strip in the plain face.
    void showFaces();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Part {
        std::vector<ColorPicture*> strips;
        ColorPicture* face;
        ColorRole shown = ColorRole::Face; // or Hover, Pressed
    };
    void show(Part& part, ColorRole state);
    bool pointerOver(const Part& part, const QPointF& global) const;

    AppState& m_state;
    std::vector<Part> m_parts;
};

} // namespace brisvane
