// Which pages a print or preview run takes, and how many sheets they make.
//
// Pages count from 1. A sheet is one side of paper: one page, or with pouch
// binding the pair (1, 2), (3, 4), ... side by side. Copies are collated, so
// the sheets of one copy all come before those of the next.
#pragma once

namespace zenpa::print {

struct PageSelection {
  int startPage = 1; // first page, from 1
  int endPage = 0;   // last page, 0 for the document's last
  bool duplex = false;
  bool evenPass = false; // with duplex: the even pass is being printed
};

// n ≥ startPage, n ≤ endPage unless it is 0, and with duplex of the pass's
// parity.
bool IsPageSelected(const PageSelection &selection, int page);

// The last page of a run: endPage when set and within the document, else the
// document's last page.
int LastPageOf(const PageSelection &selection, int pageCount);

// True when some page of 1 … pageCount is selected.
bool AnyPageSelected(const PageSelection &selection, int pageCount);

// Sheets of a run over pageCount pages, all copies included.
int CountSheets(const PageSelection &selection, int pageCount, bool pouchBinding, int copies);

// Sheet of a selected page within one copy, from 1: the page itself, or its
// pair with pouch binding.
inline int SheetKeyOf(int page, bool pouchBinding) { return pouchBinding ? (page + 1) / 2 : page; }

} // namespace zenpa::print
