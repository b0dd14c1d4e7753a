#include "platform/widgets/Image.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

namespace widgets {

Image::Image(QWidget* parent) : QWidget(parent) {}

QImage Image::Read(const QString& fileName, const QByteArray& format)
{
    const QString path = HostPath(fileName);
    if (!QFileInfo(path).isFile())
        throw EInOutError(QStringLiteral("ファイル\"%1\"を開けません。").arg(fileName));
    QImageReader reader(path, format);
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull()) {
        if (format == "bmp")
            throw EInvalidGraphic(QStringLiteral("正しいビットマップ画像ではありません。"));
        throw EInvalidGraphic(QStringLiteral("\"%1\"は正しい画像ファイルではありません。").arg(fileName));
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

void Image::LoadPicture(const QString& fileName)
{
    const QString suffix = QFileInfo(QString(fileName).replace('\\', '/')).suffix().toLower();
    QByteArray format;
    if (suffix == "bmp")
        format = "bmp";
    else if (suffix == "ico")
        format = "ico";
    else if (suffix == "jpg" || suffix == "jpeg")
        format = "jpeg";
    else
        throw EInvalidGraphic(QStringLiteral("拡張子\".%1\"の画像ファイルは開けません。").arg(suffix));
    setPicture(Read(fileName, format));
}

void Image::LoadBitmap(const QString& fileName)
{
    setPicture(ReadBitmap(fileName));
}

QImage Image::ReadBitmap(const QString& fileName)
{
    return Read(fileName, "bmp");
}

void Image::setPicture(const QImage& image)
{
    picture = image;
    if (autoSize && !picture.isNull())
        resize(picture.size());
    update();
}

void Image::FillRect(const QRect& rect)
{
    if (picture.isNull()) {
        picture = QImage(size(), QImage::Format_ARGB32);
        picture.fill(Qt::white);
    }
    QPainter painter(&picture);
    painter.fillRect(rect, ToQColor(BrushColor));
    update();
}

void Image::Fill(TColor color)
{
    BrushColor = color;
    FillRect(picture.isNull() ? rect() : picture.rect());
}

void Image::setStretch(bool value)
{
    stretch = value;
    update();
}

void Image::setAutoSize(bool value)
{
    autoSize = value;
    if (autoSize && !picture.isNull())
        resize(picture.size());
}

void Image::paintEvent(QPaintEvent*)
{
    if (picture.isNull())
        return;
    QPainter painter(this);
    if (stretch)
        painter.drawImage(rect(), picture);
    else
        painter.drawImage(QPoint(0, 0), picture);
}

void Image::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

} // namespace widgets
