#pragma once

#include "surface.h"

#include <QImage>
#include <QString>
#include <vector>

class QPainter;

// A printer page composed in twips (1440 to the inch) from the top left of the
// printable area. It records text, boxes and pictures so that the page can be
// composed first and sent to a printer, a PDF or an SVG file afterwards in
// whatever orientation it needs: text stays text and boxes stay boxes.
class PageCanvas : public TextCanvas
{
public:
    static constexpr int TwipsPerPixel = 15;
    // Pictures for paper are drawn at this scale: 384 dots to the inch.
    static constexpr double PictureScale = 4.0;

    struct Item
    {
        enum Kind { Text, Picture, Box } kind;
        double x;
        double y;
        QString text;        // Text
        QFont font;          // Text, in twips
        Colour colour;       // Text, Box
        QImage image;        // Picture
        double baseline = 0; // Text: where its baseline lies
        double width = 0;    // Picture, Box: in twips
        double height = 0;
    };

    // Copies a picture at its logical size, TwipsPerPixel twips to its pixel,
    // with all its device pixels.
    void paintPicture(const Surface &picture, double x, double y) override;
    // A picture of width x height twips.
    void addPicture(const QImage &image, double x, double y, double width, double height);
    // A filled box of width x height twips.
    void addBox(double x, double y, double width, double height, Colour colour);
    // Text whose line starts at y, in the given font (sized in twips).
    void addText(double x, double y, double baseline, const QString &text, const QFont &font,
                 Colour colour);
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
