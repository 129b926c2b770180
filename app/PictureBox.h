#pragma once

// Qt
#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture control: shows one image, stretched to its bounds when stretch
// mode is on, and reports clicks. Card cells also take the keyboard focus:
// Space or Enter act as a click, the arrow keys ask to move the focus.
class PictureBox : public QWidget {
    Q_OBJECT

  public:
    explicit PictureBox(QWidget* parent = nullptr);
    // Lets assistive technology see card cells as buttons; call once before
    // the cells are created.
    static void registerAccessibility();

    void setPicture(const QImage& image);
    const QImage& picture() const { return m_image; }
    void setStretch(bool on);
    bool stretch() const { return m_stretch; }
    void setCard(bool isCard);

  signals:
    void clicked();
    void navigate(int dx, int dy);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QImage m_image;
    bool m_stretch = false;
    // The picture scaled to the box, made once per picture and size: painting
    // then only copies pixels, however often the window repaints.
    QPixmap m_scaled;
};
