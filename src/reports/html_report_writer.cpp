// Writing the report model as the HTML page of the report.
#include "reports/html_report_writer.h"

#include <cstdint>
#include <span>

namespace jadvalon {

namespace {

// The literal spellings that differ between the layouts.
struct TableSpelling {
  const char* widthAttribute;   // "WIDTH=", lower case in the combined class table
  const char* spanAttribute;    // "COLSPAN=" or "colspan="
  const char* secondRowOpener;  // between the two header rows
};

TableSpelling spellingOf(ReportLayout layout) {
  switch (layout) {
    case ReportLayout::ClassesCombined:
      return {"<table width=", "<TD COLSPAN=", "</TR><tr>"};
    case ReportLayout::TeachersCombined:
    case ReportLayout::RoomsCombined:
      return {"<table WIDTH=", "<TD COLSPAN=", "</TR><tr>"};
    case ReportLayout::TeachersSeparate:
      return {"<table WIDTH=", "<TD colspan=", "</TR><TR>"};
    case ReportLayout::ClassesSeparate:
    case ReportLayout::RoomsSeparate:
      break;
  }
  return {"<table WIDTH=", "<TD COLSPAN=", "</TR><TR>"};
}

// An empty text keeps the cell's height with a line break.
std::string cellText(const std::string& text) { return text.empty() ? "<br>" : escapeHtml(text); }

class Page {
 public:
  void line(std::string_view text) {
    out_ += text;
    out_ += '\n';
  }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

void writeHeader(Page& page, const Report& report) {
  page.line("<html>");
  page.line("<head>");
  page.line("<META HTTP-EQUIV=\"CONTENT-TYPE\" CONTENT=\"text/html; charset=utf-8\">");
  page.line("<title>" + escapeHtml(report.title));
  page.line("</title>");
  page.line("</head>");
  page.line("<body LANG=\"uz-UZ\" LINK=\"#000080\" VLINK=\"#800000\" DIR=\"LTR\">");
  page.line("<FONT FACE=\"Calibri, sans-serif\">");
  page.line("<span style=\"font-size:9pt;\">");
}

void writeApproval(Page& page, const ApprovalBlock& approval) {
  page.line("<p align=right>");
  page.line(escapeHtml(approval.heading));
  page.line("<br>" + escapeHtml(approval.institution) + escapeHtml(approval.directorOf));
  if (!approval.director.empty())
    page.line("<br>" + escapeHtml(approval.directorLabel) + "&nbsp;" +
              escapeHtml(approval.director));
  else
    page.line("<br>" + escapeHtml(approval.directorLabel) + "&nbsp;________________________");
  page.line("</p>");
}

void writeFooter(Page& page, const Report& report) {
  if (report.signatures) {
    page.line("<br>");
    // The first line has "&nbsp;&nbsp;_________" before a name and the second does not; pages
    // printed before keep looking the same, so both stay as they always were.
    for (std::size_t i = 0; i < report.signatureLines.size(); ++i) {
      const SignatureLine& signature = report.signatureLines[i];
      const std::string start = "&nbsp;&nbsp;&nbsp;" + escapeHtml(signature.label);
      if (signature.name.empty())
        page.line(start + "&nbsp;&nbsp_________&nbsp;&nbsp________________________________");
      else if (i == 0)
        page.line(start + "&nbsp;&nbsp;_________&nbsp;&nbsp" + escapeHtml(signature.name));
      else
        page.line(start + "&nbsp;&nbsp_________&nbsp;&nbsp" + escapeHtml(signature.name));
    }
  }
  page.line("</span>");
  page.line("<P><BR></P>");
  page.line("</body>");
  page.line("</html>");
}

void writeCell(Page& page, const ReportCell& cell, const TableSpelling& spelling) {
  const std::string first = cell.lines.empty() ? std::string() : cell.lines.front();
  const std::string headerOpen = " BGCOLOR=\"#dddddd\"><P ALIGN=CENTER><B>";
  const std::string headerClose = "</B></P></TD>";
  switch (cell.kind) {
    case CellKind::HeaderTwoRows:
      page.line("<TD rowspan=2" + headerOpen + cellText(first) + headerClose);
      return;
    case CellKind::HeaderSpan:
      page.line(spelling.spanAttribute + std::to_string(cell.colSpan) + headerOpen +
                cellText(first) + headerClose);
      return;
    case CellKind::GreyLabel:
      page.line("<TD" + headerOpen + cellText(first) + headerClose);
      return;
    case CellKind::DaySpan:
      page.line("<TD ROWSPAN=" + std::to_string(cell.rowSpan) + headerOpen + cellText(first) +
                headerClose);
      return;
    case CellKind::SecondHeader:
      page.line("<TD BGCOLOR=\"#ffffaa\"><P ALIGN=CENTER><B>" + cellText(first) + headerClose);
      return;
    case CellKind::Body: {
      // Lessons sharing a room at once stand one under the other.
      std::string text;
      for (std::size_t i = 0; i < cell.lines.size(); ++i)
        text += (i ? " /<br> " : "") + cellText(cell.lines[i]);
      page.line("<TD BGCOLOR=\"#ffffcc\"><P ALIGN=CENTER>" + (text.empty() ? "<br>" : text) +
                "</P></TD>");
      return;
    }
    case CellKind::BoldBody: {
      const std::string second = cell.lines.size() > 1 ? cell.lines[1] : std::string();
      page.line("<TD BGCOLOR=\"#ffffcc\"><P ALIGN=CENTER><b>" + cellText(first) + "</b>");
      page.line("<br>" + cellText(second) + "</P></TD>");
      return;
    }
    case CellKind::RoomCell:
      page.line("<TD BGCOLOR=\"#ffffaa\"><P ALIGN=CENTER>" + cellText(first) + "</P></TD>");
      return;
  }
}

void writeTable(Page& page, const ReportTable& table, ReportLayout layout) {
  const TableSpelling spelling = spellingOf(layout);
  page.line(spelling.widthAttribute + std::to_string(table.width()) +
            " BORDER=1 BORDERCOLOR=\"#000000\" CELLPADDING=4 "
            "CELLSPACING=0 STYLE=\"page-break-before: always; page-break-inside: avoid\" "
            "style=\"font-size:9pt;\"><caption><b>" +
            escapeHtml(table.caption) + "</b></caption>");
  for (const int width : table.columnWidths)
    page.line("<col WIDTH=" + std::to_string(width) + " ALIGN=CENTER>");
  for (std::size_t r = 0; r < table.headerRows.size(); ++r) {
    page.line(r == 0 ? "<TR VALIGN=TOP>" : spelling.secondRowOpener);
    for (const ReportCell& cell : table.headerRows[r].cells) writeCell(page, cell, spelling);
  }
  if (!table.headerRows.empty()) page.line("</TR>");
  for (const ReportRow& row : table.bodyRows) {
    page.line("<TR>");
    for (const ReportCell& cell : row.cells) writeCell(page, cell, spelling);
    page.line("</TR>");
  }
  page.line("</table>");
}

}  // namespace

std::string escapeHtml(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string HtmlReportWriter::render(const Report& report) {
  Page page;
  writeHeader(page, report);
  if (!report.heading.empty())
    page.line("<h2><P align=center>" + escapeHtml(report.heading) + "</P></h2>");
  if (report.approvalAtTop) writeApproval(page, report.approval);
  for (const ReportTable& table : report.tables) {
    if (table.preamble == TablePreamble::Approval) writeApproval(page, report.approval);
    if (table.preamble == TablePreamble::Spacer) page.line("<P> </P>");
    writeTable(page, table, report.layout);
  }
  writeFooter(page, report);
  return page.take();
}

WriteResult HtmlReportWriter::write(const Report& report,
                                    const std::filesystem::path& target) const {
  return writeTextAtomically(target, render(report));
}

}  // namespace jadvalon
