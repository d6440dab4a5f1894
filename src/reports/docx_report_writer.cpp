// Writing the report model as WordprocessingML and zipping it with libzip.
#include "reports/docx_report_writer.h"

#include <zip.h>

#include <algorithm>
#include <string_view>
#include <utility>

namespace jadvalon {

namespace {

// A4 with half-inch margins, in twentieths of a point.
constexpr int kPaperLong = 16838;
constexpr int kPaperShort = 11906;
constexpr int kMargin = 720;
constexpr int kTwipsPerPixel = 15;  // at 96 pixels per inch

// Landscape, unless every table fits the width of an upright page: a class table is narrow and
// tall, and standing up it prints on one page instead of running onto a second.
struct PageShape {
  bool landscape = true;
  int width() const { return landscape ? kPaperLong : kPaperShort; }
  int height() const { return landscape ? kPaperShort : kPaperLong; }
  int usableWidth() const { return width() - 2 * kMargin; }
};

PageShape pageFor(const Report& report) {
  PageShape upright{false};
  for (const ReportTable& table : report.tables)
    if (table.width() * kTwipsPerPixel > upright.usableWidth()) return PageShape{true};
  return report.tables.empty() ? PageShape{true} : upright;
}

constexpr const char* kXmlDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr const char* kWordNamespace =
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";

// Text inside an XML element or attribute. Control characters are not allowed in XML 1.0 and
// would make the document unreadable, so they are left out.
std::string xmlText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
    }
  }
  return out;
}

std::string run(const std::string& text, bool bold, int halfPoints = 0) {
  std::string properties;
  if (bold) properties += "<w:b/>";
  if (halfPoints) properties += "<w:sz w:val=\"" + std::to_string(halfPoints) + "\"/>";
  return "<w:r>" + (properties.empty() ? "" : "<w:rPr>" + properties + "</w:rPr>") +
         "<w:t xml:space=\"preserve\">" + xmlText(text) + "</w:t></w:r>";
}

constexpr const char* kBreak = "<w:r><w:br/></w:r>";

struct ParagraphStyle {
  const char* align = "left";
  bool keepNext = false;
  bool pageBreakBefore = false;
};

std::string paragraph(const std::string& runs, const ParagraphStyle& style) {
  std::string p = "<w:p><w:pPr>";
  if (style.keepNext) p += "<w:keepNext/>";
  if (style.pageBreakBefore) p += "<w:pageBreakBefore/>";
  p += "<w:spacing w:before=\"0\" w:after=\"0\"/><w:jc w:val=\"";
  p += style.align;
  p += "\"/></w:pPr>" + runs + "</w:p>";
  return p;
}

const char* fillOf(CellKind kind) {
  switch (kind) {
    case CellKind::HeaderTwoRows:
    case CellKind::HeaderSpan:
    case CellKind::GreyLabel:
    case CellKind::DaySpan:
      return "DDDDDD";
    case CellKind::SecondHeader:
    case CellKind::RoomCell:
      return "FFFFAA";
    case CellKind::Body:
    case CellKind::BoldBody:
      return "FFFFCC";
  }
  return "FFFFCC";
}

bool boldKind(CellKind kind) {
  return kind != CellKind::Body && kind != CellKind::BoldBody && kind != CellKind::RoomCell;
}

// The texts of a cell at the table's font size (half-points).
std::string cellRuns(const ReportCell& cell, int halfPoints) {
  if (cell.kind == CellKind::BoldBody) {
    const std::string first = cell.lines.empty() ? std::string() : cell.lines[0];
    const std::string second = cell.lines.size() > 1 ? cell.lines[1] : std::string();
    if (first.empty() && second.empty()) return {};
    return run(first, true, halfPoints) + kBreak + run(second, false, halfPoints);
  }
  std::string runs;
  for (std::size_t i = 0; i < cell.lines.size(); ++i) {
    if (i) runs += run(" /", boldKind(cell.kind), halfPoints) + kBreak;
    runs += run(cell.lines[i], boldKind(cell.kind), halfPoints);
  }
  return runs;
}

class TableXml {
 public:
  TableXml(const ReportTable& table, int usableWidth) : table_(table) {
    const int total = std::max(table.width(), 1) * kTwipsPerPixel;
    // A table wider than the page is scaled down to fit it, as a browser's print does.
    const double scale = total > usableWidth ? double(usableWidth) / total : 1.0;
    // Text and padding shrink with the columns, as in a browser's shrunk printout, down to a
    // size that still reads on paper.
    halfPoints_ = std::clamp(int(18 * scale + 0.5), kSmallestHalfPoints, 18);
    padding_ = std::max(15, int(60 * scale));
    for (const int width : table.columnWidths)
      widths_.push_back(std::max(1, int(width * kTwipsPerPixel * scale)));
  }

  std::string xml() const {
    int total = 0;
    for (const int w : widths_) total += w;
    std::string x = "<w:tbl><w:tblPr><w:tblW w:w=\"" + std::to_string(total) +
                    "\" w:type=\"dxa\"/><w:jc w:val=\"center\"/><w:tblBorders>";
    for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"})
      x += std::string("<w:") + side +
           " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>";
    const std::string side = std::to_string(padding_);
    x += "</w:tblBorders><w:tblLayout w:type=\"fixed\"/><w:tblCellMar>"
         "<w:top w:w=\"" +
         std::to_string(padding_ / 2) + "\" w:type=\"dxa\"/><w:left w:w=\"" + side +
         "\" w:type=\"dxa\"/><w:bottom w:w=\"" + std::to_string(padding_ / 2) +
         "\" w:type=\"dxa\"/><w:right w:w=\"" + side +
         "\" w:type=\"dxa\"/></w:tblCellMar></w:tblPr><w:tblGrid>";
    for (const int w : widths_) x += "<w:gridCol w:w=\"" + std::to_string(w) + "\"/>";
    x += "</w:tblGrid>";
    x += rows();
    x += "</w:tbl>";
    return x;
  }

 private:
  // Per row and grid column: the placed cell covering it, and whether it starts there.
  struct Slot {
    const PlacedCell* cell = nullptr;
    bool origin = false;
  };

  std::string rows() const {
    const std::vector<PlacedCell> placed = placeCells(table_);
    const int rowCount = static_cast<int>(table_.headerRows.size() + table_.bodyRows.size());
    const int columns = static_cast<int>(widths_.size());
    std::vector<std::vector<Slot>> grid(rowCount, std::vector<Slot>(columns));
    for (const PlacedCell& p : placed) {
      for (int r = p.row; r < std::min(rowCount, p.row + std::max(1, p.cell->rowSpan)); ++r)
        for (int c = p.column; c < std::min(columns, p.column + std::max(1, p.cell->colSpan)); ++c)
          grid[r][c] = {&p, r == p.row && c == p.column};
    }
    std::string x;
    for (int r = 0; r < rowCount; ++r) {
      const bool header = r < static_cast<int>(table_.headerRows.size());
      x += "<w:tr><w:trPr><w:cantSplit/>";
      if (header) x += "<w:tblHeader/>";
      x += "</w:trPr>";
      for (int c = 0; c < columns;) {
        const Slot& slot = grid[r][c];
        if (!slot.cell) {  // a row shorter than the grid
          x += cellXml(nullptr, c, 1, false, false);
          ++c;
          continue;
        }
        const int span = std::min(columns - c, std::max(1, slot.cell->cell->colSpan));
        const bool continued = slot.cell->row != r;
        x += cellXml(slot.cell->cell, c, span, slot.cell->cell->rowSpan > 1, continued);
        c += span;
      }
      x += "</w:tr>";
    }
    return x;
  }

  std::string cellXml(const ReportCell* cell, int column, int span, bool merged,
                      bool continued) const {
    int width = 0;
    for (int c = column; c < column + span; ++c) width += widths_[c];
    std::string x = "<w:tc><w:tcPr><w:tcW w:w=\"" + std::to_string(width) + "\" w:type=\"dxa\"/>";
    if (span > 1) x += "<w:gridSpan w:val=\"" + std::to_string(span) + "\"/>";
    if (merged) x += continued ? "<w:vMerge/>" : "<w:vMerge w:val=\"restart\"/>";
    if (cell)
      x += std::string("<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"") + fillOf(cell->kind) +
           "\"/>";
    x += "<w:vAlign w:val=\"center\"/></w:tcPr>";
    x += paragraph(cell && !continued ? cellRuns(*cell, halfPoints_) : std::string(), {"center"});
    x += "</w:tc>";
    return x;
  }

  static constexpr int kSmallestHalfPoints = 12;  // 6 pt

  const ReportTable& table_;
  std::vector<int> widths_;
  int halfPoints_ = 18;
  int padding_ = 60;
};

std::string signatureText(const SignatureLine& signature) {
  return signature.label + "   _________   " +
         (signature.name.empty() ? std::string("________________________________")
                                 : signature.name);
}

std::string approvalXml(const ApprovalBlock& a, bool pageBreakBefore) {
  const ParagraphStyle first{"right", true, pageBreakBefore};
  const ParagraphStyle rest{"right", true, false};
  return paragraph(run(a.heading, true), first) +
         paragraph(run(a.institution + a.directorOf, false), rest) +
         paragraph(
             run(a.directorLabel + " " +
                     (a.director.empty() ? std::string("________________________") : a.director),
                 false),
             rest) +
         paragraph({}, rest);
}

std::string stylesXml() {
  return std::string(kXmlDeclaration) + "<w:styles " + kWordNamespace +
         "><w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Calibri\" "
         "w:hAnsi=\"Calibri\" w:eastAsia=\"Calibri\" w:cs=\"Calibri\"/><w:sz w:val=\"18\"/>"
         "<w:szCs w:val=\"18\"/></w:rPr></w:rPrDefault><w:pPrDefault><w:pPr><w:spacing "
         "w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/></w:pPr></w:pPrDefault>"
         "</w:docDefaults><w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\">"
         "<w:name w:val=\"Normal\"/><w:qFormat/></w:style></w:styles>\n";
}

std::string settingsXml() {
  return std::string(kXmlDeclaration) + "<w:settings " + kWordNamespace +
         "><w:defaultTabStop w:val=\"720\"/><w:compat><w:compatSetting "
         "w:name=\"compatibilityMode\" w:uri=\"http://schemas.microsoft.com/office/word\" "
         "w:val=\"15\"/></w:compat></w:settings>\n";
}

std::string contentTypesXml() {
  return std::string(kXmlDeclaration) +
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" "
         "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
         "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
         "<Override PartName=\"/word/styles.xml\" ContentType=\"application/"
         "vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
         "<Override PartName=\"/word/settings.xml\" ContentType=\"application/"
         "vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>"
         "<Override PartName=\"/docProps/core.xml\" "
         "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
         "<Override PartName=\"/docProps/app.xml\" ContentType=\"application/"
         "vnd.openxmlformats-officedocument.extended-properties+xml\"/></Types>\n";
}

std::string packageRelsXml() {
  return std::string(kXmlDeclaration) +
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
         "relationships/officeDocument\" Target=\"word/document.xml\"/>"
         "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/package/2006/"
         "relationships/metadata/core-properties\" Target=\"docProps/core.xml\"/>"
         "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
         "relationships/extended-properties\" Target=\"docProps/app.xml\"/></Relationships>\n";
}

std::string documentRelsXml() {
  return std::string(kXmlDeclaration) +
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
         "relationships/styles\" Target=\"styles.xml\"/>"
         "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
         "relationships/settings\" Target=\"settings.xml\"/></Relationships>\n";
}

std::string coreXml(const Report& report) {
  return std::string(kXmlDeclaration) +
         "<cp:coreProperties xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/"
         "core-properties\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:title>" +
         xmlText(report.title) +
         "</dc:title><dc:creator>Jadvalon</dc:creator>"
         "</cp:coreProperties>\n";
}

std::string appXml() {
  return std::string(kXmlDeclaration) +
         "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/"
         "extended-properties\"><Application>Jadvalon</Application></Properties>\n";
}

}  // namespace

std::string DocxReportWriter::documentXml(const Report& report) {
  const PageShape page = pageFor(report);
  std::string body;
  if (!report.heading.empty())
    body += paragraph(run(report.heading, true, 28), {"center", true, false}) +
            paragraph({}, {"center", true, false});
  if (report.approvalAtTop) body += approvalXml(report.approval, false);
  for (std::size_t i = 0; i < report.tables.size(); ++i) {
    const ReportTable& table = report.tables[i];
    // Every table after the first starts a page, with whatever stands above it.
    const bool breakBefore = i > 0;
    bool broken = false;
    if (table.preamble == TablePreamble::Approval) {
      body += approvalXml(report.approval, breakBefore);
      broken = breakBefore;
    }
    body += paragraph(run(table.caption, true, 22), {"center", true, breakBefore && !broken});
    body += TableXml(table, page.usableWidth()).xml();
  }
  if (report.signatures) {
    body += paragraph({}, {});
    for (const SignatureLine& signature : report.signatureLines)
      body += paragraph(run(signatureText(signature), false, 20), {});
  }
  // A document ends with a paragraph, also after a table.
  body += paragraph({}, {});
  return std::string(kXmlDeclaration) + "<w:document " + kWordNamespace + "><w:body>" + body +
         "<w:sectPr><w:pgSz w:w=\"" + std::to_string(page.width()) + "\" w:h=\"" +
         std::to_string(page.height()) + "\"" + (page.landscape ? " w:orient=\"landscape\"" : "") +
         "/><w:pgMar w:top=\"" + std::to_string(kMargin) + "\" w:right=\"" +
         std::to_string(kMargin) + "\" w:bottom=\"" + std::to_string(kMargin) + "\" w:left=\"" +
         std::to_string(kMargin) +
         "\" w:header=\"360\" w:footer=\"360\" w:gutter=\"0\"/></w:sectPr></w:body></w:document>\n";
}

std::vector<std::uint8_t> DocxReportWriter::render(const Report& report) {
  // The content types come first, as office programs expect.
  const std::vector<std::pair<std::string, std::string>> parts = {
      {"[Content_Types].xml", contentTypesXml()},
      {"_rels/.rels", packageRelsXml()},
      {"word/document.xml", documentXml(report)},
      {"word/_rels/document.xml.rels", documentRelsXml()},
      {"word/styles.xml", stylesXml()},
      {"word/settings.xml", settingsXml()},
      {"docProps/core.xml", coreXml(report)},
      {"docProps/app.xml", appXml()},
  };

  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* memory = zip_source_buffer_create(nullptr, 0, 0, &error);
  if (!memory) return {};
  zip_t* archive = zip_open_from_source(memory, ZIP_TRUNCATE, &error);
  zip_error_fini(&error);
  if (!archive) {
    zip_source_free(memory);
    return {};
  }
  zip_source_keep(memory);  // the archive's bytes are read back after closing
  bool ok = true;
  for (const auto& [name, text] : parts) {
    zip_source_t* source = zip_source_buffer(archive, text.data(), text.size(), 0);
    if (!source || zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
      if (source) zip_source_free(source);
      ok = false;
      break;
    }
  }
  // A failed close leaves the archive open; discarding it frees it.
  if (!ok || zip_close(archive) < 0) {
    zip_discard(archive);
    zip_source_free(memory);
    return {};
  }

  std::vector<std::uint8_t> bytes;
  zip_stat_t stat;
  if (zip_source_stat(memory, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) &&
      zip_source_open(memory) == 0) {
    bytes.resize(stat.size);
    const zip_int64_t read = zip_source_read(memory, bytes.data(), stat.size);
    if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size) bytes.clear();
    zip_source_close(memory);
  }
  zip_source_free(memory);
  return bytes;
}

WriteResult DocxReportWriter::write(const Report& report,
                                    const std::filesystem::path& target) const {
  const std::vector<std::uint8_t> bytes = render(report);
  if (bytes.empty()) return {WriteError::Other, "the document could not be packed"};
  return writeFileAtomically(target, bytes);
}

}  // namespace jadvalon
