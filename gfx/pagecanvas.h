#pragma once

#include "surface.h"

#include <QImage>
#include <QString>
#include <vector>

class QPainter;

// A printer page composed in twips (1440 to the inch) from the top left of the
// printable area. It records text and pictures so that the page can be composed
// first and sent to a printer afterwards in whatever orientation it needs.
class PageCanvas : public TextCanvas
{
public:
    static constexpr int TwipsPerPixel = 15;

    struct Item
    {
        enum Kind { Text, Picture } kind;
        double x;
        double y;
        QString text;        // Text
        QFont font;          // Text, in twips
        Colour colour;       // Text
        QImage image;        // Picture, drawn at TwipsPerPixel twips per pixel
        double baseline = 0; // Text: where its baseline lies
    };

    void paintPicture(const Surface &picture, double x, double y) override;
    // Starts the page again: empty, the cursor at (0, 0) and the text settings
    // of a new page, so that every print of one element is the same.
    void clear();

    const std::vector<Item> &items() const { return m_items; }
    bool isEmpty() const { return m_items.empty(); }

    // Draws the page with a painter whose device has the given dots per inch.
    void render(QPainter &painter, double deviceDpi) const;

protected:
    double unitsPerPoint() const override { return 20.0; }
    void drawText(double x, double y, const QString &text) override;

private:
    std::vector<Item> m_items;
};
