#pragma once

#include "windows/RoleText.h"

#include "scheme/ColorRole.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <string_view>
#include <vector>

class QWidget;

namespace brisvane {

struct AppState;
class ColorField;
class ColorPicture;
class PictureFaceStates;

// The main window's parts for each colour role: the enlarged picture's strips, and a row of
// caption, swatch and field, made on the form from the tables of their places in twips. The
// fields hold the start colours; the swatches and strips show them.
class ColorRows {
    Q_DECLARE_TR_FUNCTIONS(brisvane::ColorRows)

public:
    ColorRows(AppState& state, QWidget* form);

    ColorField* field(ColorRole role) const { return m_fields[roleIndex(role)]; }
    // The role's swatch, then its strips of the enlarged picture; the hover and pressed faces
    // have their swatches alone, as the picture shows them under the pointer only.
    const std::vector<ColorPicture*>& parts(ColorRole role) const {
        return m_parts[roleIndex(role)];
    }
    // Paints the faces the pointer is over or holds after the colours changed.
    PictureFaceStates& faceStates() const { return *m_faceStates; }

private:
    void buildPicture(AppState& state, QWidget* form);
    void buildRows(QWidget* form);

    std::array<ColorField*, everyRoleCount> m_fields{};
    std::array<std::vector<ColorPicture*>, everyRoleCount> m_parts;
    PictureFaceStates* m_faceStates = nullptr;
};

} // namespace brisvane
