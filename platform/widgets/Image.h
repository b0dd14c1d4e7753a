#pragma once
// An image control holding a picture. LoadPicture picks the reader by the file's
// extension (bmp, ico, jpg, jpeg); LoadBitmap reads a Windows bitmap whatever the
// name. A file of another kind raises EInvalidGraphic, a missing one EInOutError;
// the picture is then unchanged. The canvas paints into the picture (an empty picture
// takes the control's size first). Click fires on a click of the enabled image.
#include "platform/widgets/Colors.h"

#include <QImage>
#include <QWidget>

namespace widgets {

class Image : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(bool autoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(QImage picture READ Picture WRITE setPicture)
public:
    explicit Image(QWidget* parent = nullptr);

    // Program paths ("Images\a.bmp", relative to the current folder).
    void LoadPicture(const QString& fileName);
    void LoadBitmap(const QString& fileName);
    // A Windows bitmap read as LoadBitmap reads it, raising as it does, for no control.
    static QImage ReadBitmap(const QString& fileName);

    const QImage& Picture() const { return picture; }
    void setPicture(const QImage& image);
    int PictureWidth() const { return picture.width(); }
    int PictureHeight() const { return picture.height(); }

    // The canvas: a brush colour, then rectangles filled with it.
    TColor BrushColor = clWhite;
    void FillRect(const QRect& rect);
    // Paints the whole picture in one colour.
    void Fill(TColor color);

    bool Stretch() const { return stretch; }
    void setStretch(bool value);
    bool AutoSize() const { return autoSize; }
    void setAutoSize(bool value);

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static QImage Read(const QString& fileName, const QByteArray& format);
    QImage picture;
    bool stretch = false;
    bool autoSize = false;
};

} // namespace widgets
