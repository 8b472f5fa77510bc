#pragma once

#include "core/input/keypanelfaces.h"
#include "core/input/keypanelgeometry.h"
#include "core/input/tablesets.h"

#include <QChar>
#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>

namespace pelinor::ui {

/// What the three key panels of the key panel column share: 47 keys and 48 legend strips painted by the
/// panel itself, the panel colour over the upper 230 pixels, hit-testing of clicks and the signals that
/// hand a clicked key to the trigger-key input.
class KeyPanelBase : public QWidget {
    Q_OBJECT

public:
    /// Shows a message to the user (a plain message box with one button unless replaced).
    using MessageHook = std::function<void(const QString& message)>;

    /// Height of the band painted in the panel colour.
    static constexpr int colouredHeight = 230;

    QString keyCaption(int index) const { return keyFace(index).caption; }
    QString legendCaption(int index) const { return legendFace(index).caption; }
    /// The look of a key (0 to 46) or legend (0 to 47); a blank face outside those.
    core::KeyFace keyFace(int index) const;
    core::KeyFace legendFace(int index) const;
    QRect keyRect(int index) const { return laidOut().keyRect(index); }
    QRect legendRect(int index) const { return laidOut().legendRect(index); }
    const core::KeyPanelFaces& faces() const { return m_faces; }

    /// The colour of the upper band.
    void setBackground(const QColor& colour);
    /// The colour below the upper band; an invalid colour leaves that part to the parent.
    void setLowerColour(const QColor& colour);
    QColor background() const { return m_background; }

    void setMessageHook(MessageHook hook) { m_messageHook = std::move(hook); }

Q_SIGNALS:
    /// A key that is a trigger of `side`'s candidate table was clicked: offer its candidates
    /// (handleTriggerKey with insertion target 1).
    void triggerClicked(QChar key, pelinor::core::TableSide side);
    /// A key that types plain text was clicked: insert `text` at the caret of `side`'s input area.
    void textClicked(const QString& text, pelinor::core::TableSide side);

protected:
    /// `lowerColour` paints what lies below the coloured band; an invalid colour leaves it to the parent.
    KeyPanelBase(core::KeyPanelKind kind, const QString& fontFamily, const QColor& lowerColour, QWidget* parent);

    void setFaces(const core::KeyPanelFaces& faces);
    const core::KeyPanelGeometry& geometry() const { return laidOut(); }
    void showMessage(const QString& message);
    /// Lays the keys out for the current size and places the panel's controls. A hidden panel (one on
    /// a page behind a tab) does so when it is shown or asked where its keys are: measuring its controls
    /// loads fonts that nothing on the screen needs yet.
    void relayout();

    /// A click on an enabled key (legend false) or legend (legend true).
    virtual void keyClicked(int index, bool legend) = 0;
    /// Places the panel's own controls after the keys were laid out.
    virtual void placeControls() { }
    /// Room the panel's own controls need right of the fourth row; the keys are narrowed to leave it.
    virtual int roomRightOfLastRow() const { return 0; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Hit {
        int index = -1;
        bool legend = false;
        friend bool operator==(const Hit&, const Hit&) = default;
    };

    Hit hitAt(QPoint point) const;
    /// The key layout for the current size and faces, worked out when first asked for.
    const core::KeyPanelGeometry& laidOut() const;
    void paintFace(QPainter& painter, const QRect& rect, const core::KeyFace& face, bool raised, bool pressed) const;

    core::KeyPanelKind m_kind;
    QString m_fontFamily;
    QColor m_background;
    QColor m_lowerColour;
    core::KeyPanelFaces m_faces;
    mutable core::KeyPanelGeometry m_geometry;
    mutable bool m_geometryStale = true;
    bool m_controlsStale = true;
    Hit m_pressed;
    MessageHook m_messageHook;
};

} // namespace pelinor::ui
