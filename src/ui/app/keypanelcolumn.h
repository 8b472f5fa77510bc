#pragma once

#include <QWidget>

class QLabel;
class QTabWidget;

namespace pelinor::ui {

/// The key panel column at the right of the input areas: a tab control with the romaji key panel, the
/// on-screen keyboard and the phonetic-symbol key panel, and under it the picture of the current script.
class KeyPanelColumn : public QWidget {
    Q_OBJECT

public:
    enum Page { RomajiPage = 0, KeyboardPage = 1, PhoneticPage = 2 };

    explicit KeyPanelColumn(QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }
    /// Puts a key panel on a page, replacing what the page held.
    void setPageWidget(Page page, QWidget* widget);
    /// Shows the picture of a script: 0 Russian, 1 Greek, 2 Ukrainian.
    void showPicture(int picture);
    int picture() const { return m_picture; }
    QWidget* picturePanel() const { return m_picturePanel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placePicture();

    QTabWidget* m_tabs = nullptr;
    QWidget* m_picturePanel = nullptr;
    QLabel* m_pictureLabel = nullptr;
    int m_picture = 0;
    int m_drawnPicture = -1; ///< the picture the label holds; -1 before the first is drawn
};

} // namespace pelinor::ui
