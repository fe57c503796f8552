#pragma once

#include <QString>

class QPdfWriter;
class QTextDocument;

namespace qb {

// Lays out the user manual, an HTML file, on A4 pages and writes them as a
// PDF with the page number in each footer. Pictures are looked up beside the
// HTML file; a picture that cannot be read fails the run instead of leaving
// an empty frame in the manual.
class ManualPrinter {
public:
    // bodyFamily is used for the text, fixedFamily for code; both must hold
    // Japanese glyphs.
    ManualPrinter(QString bodyFamily, QString fixedFamily);

    // Writes pdfPath in one step: a failed run leaves an earlier file as it was.
    [[nodiscard]] bool Print(const QString& htmlPath, const QString& pdfPath);

    // Why the last Print failed.
    const QString& ErrorString() const { return error_; }

private:
    bool CheckFonts();
    bool LoadDocument(const QString& htmlPath, QTextDocument& document);
    bool CheckPictures(const QTextDocument& document);
    void PaintPages(QTextDocument& document, QPdfWriter& writer) const;

    QString bodyFamily_;
    QString fixedFamily_;
    QString error_;
};

}  // namespace qb
