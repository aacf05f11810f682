#include "Inspector.h"

#include "MainWindow.h"
#include "rows/PaintBox.h"
#include "rows/RowTable.h"
#include "rows/ValueCell.h"

#include "gif/GIFBitmap.h"
#include "gif/GIFImage.h"
#include "gif/Stream.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <iostream>
#include <map>

namespace {

void WaitForActivation(const MainWindow& window)
{
    QElapsedTimer timer;
    timer.start();
    while (!window.isActivated() && timer.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

std::string Codes(const QByteArray& glyphs)
{
    std::string codes;
    for (char c : glyphs) {
        if (!codes.empty())
            codes += ' ';
        codes += std::to_string(static_cast<unsigned char>(c));
    }
    return codes;
}

}  // namespace

Inspector::Inspector() : window_(std::make_unique<MainWindow>())
{
    window_->setErrorDisplay(
        [](const QString& message) { std::cerr << "error: " << message.toStdString() << '\n'; });
    window_->show();
    window_->activateWindow();
    WaitForActivation(*window_);
}

Inspector::~Inspector() = default;

void Inspector::typeNumber(const QString& text)
{
    QLineEdit* field = window_->numberField();
    if (field->text() == text)
        field->setText(text + QLatin1Char('#'));
    field->setText(text);
}

void Inspector::printRows(const QString& text, std::ostream& out)
{
    std::map<std::string, int> before;
    for (const RowSpec* row : RowsInRefreshOrder())
        if (row->kind == ValueKind::Panel)
            before[row->cell] = window_->valueCell(QLatin1String(row->cell))->captionSetCount();
    const int romanBefore = window_->romanUpdates();
    typeNumber(text);

    const bool romanTouched = window_->romanUpdates() != romanBefore;
    const RowSpec& roman = *FindRow("l2");
    out << roman.cell << '\t' << roman.caption << '\t'
        << (romanTouched ? window_->romanLabel()->text().toStdString() : "-") << '\n';
    for (const RowSpec* row : RowsInRefreshOrder()) {
        if (row->kind != ValueKind::Panel)
            continue;
        const ValueCell* cell = window_->valueCell(QLatin1String(row->cell));
        const bool touched = cell->captionSetCount() != before[row->cell];
        out << row->cell << '\t' << row->caption << '\t' << (touched ? Codes(cell->caption()) : "-") << '\n';
    }
}

void Inspector::printMessage(const QString& text, std::ostream& out)
{
    typeNumber(text);
    out << window_->messageLine()->text().toStdString() << '\n';
}

void Inspector::printPictures(const QString& text, std::ostream& out)
{
    const char* boxes[] = {"PB2", "PB1", "PB9", "PB7"};
    std::map<std::string, int> before;
    for (const char* name : boxes)
        before[name] = window_->paintBox(QLatin1String(name))->compositionCount();
    typeNumber(text);
    for (const char* name : boxes) {
        const PaintBox* box = window_->paintBox(QLatin1String(name));
        out << name << '\t';
        if (box->compositionCount() == before[name]) {
            out << "-\n";
            continue;
        }
        std::string items;
        for (const PictureStrip::Placed& placed : box->placements()) {
            if (!items.empty())
                items += ' ';
            items += placed.picture.toStdString() + '@' + std::to_string(placed.position.x()) + ','
                + std::to_string(placed.position.y());
        }
        out << items << '\n';
    }
}

bool ConvertGifToPpm(const QString& gifPath, const QString& ppmPath, std::ostream& diagnostics)
{
    QFile input(gifPath);
    if (!input.open(QIODevice::ReadOnly)) {
        diagnostics << "error: cannot read " << gifPath.toStdString() << '\n';
        return false;
    }
    const QByteArray data = input.readAll();
    QImage bitmap;
    try {
        gif::ByteStream stream(data.constData(), static_cast<std::size_t>(data.size()));
        gif::TGIFImage image;
        image.WarningObserver = [&diagnostics](const gif::TGIFObject&, gif::TGIFSeverity,
                                               const std::string& message) {
            diagnostics << "warning: " << message << '\n';
        };
        image.LoadFromStream(stream);
        gif::CopyImageTo(image, bitmap);
    } catch (const std::exception& error) {
        diagnostics << "error: " << error.what() << '\n';
        return false;
    }
    QFile output(ppmPath);
    if (!output.open(QIODevice::WriteOnly)) {
        diagnostics << "error: cannot write " << ppmPath.toStdString() << '\n';
        return false;
    }
    const QImage rgb = bitmap.convertToFormat(QImage::Format_RGB888);
    output.write(QStringLiteral("P6\n%1 %2\n255\n").arg(rgb.width()).arg(rgb.height()).toLatin1());
    for (int y = 0; y < rgb.height(); ++y)
        output.write(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 3);
    return true;
}
