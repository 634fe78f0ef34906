#pragma once

#include "picture/picture.h"

#include <QWidget>

#include <optional>

namespace ui {

// A picture control: it shows its picture at the natural size from its top left corner,
// neither stretched nor centred, and makes itself as high as the picture. A picture it is
// asked to load replaces the one it shows only when it has loaded whole.
class PictureControl : public QWidget
{
    Q_OBJECT

public:
    explicit PictureControl(QWidget *parent = nullptr);

    // Loads a file, the decoder chosen by its extension; false, with nothing changed, when it
    // does not load whole.
    bool loadFile(const QString &path);
    const std::optional<picture::Picture> &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<picture::Picture> m_picture;
};

// The preview of a picture file: the picture made small enough to fit, never larger than its
// natural size, in the middle; empty for a file that does not load.
class PicturePreview : public QWidget
{
    Q_OBJECT

public:
    explicit PicturePreview(QWidget *parent = nullptr);

    void showFile(const QString &path);
    const std::optional<picture::Picture> &picture() const { return m_picture; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<picture::Picture> m_picture;
};

} // namespace ui
