#pragma once
// Where printed lines stand on their pages: one below the other from the top,
// a line that would cross the bottom starting the next page. The printer
// lays its lines out by it, and the print tests work out the pages with it.

namespace sbc {

class LineFlow {
public:
    // Places the next line, `height` high, on pages `pageHeight` high, and
    // tells whether it begins a new page. A page's first line stays on it,
    // however tall.
    bool Place(double height, double pageHeight)
    {
        const bool newPage = next_ > 0 && next_ + height > pageHeight;
        if (newPage) {
            ++page_;
            next_ = 0;
        }
        top_ = next_;
        next_ += height;
        return newPage;
    }

    double Top() const { return top_; } // the top of the line placed last
    int Page() const { return page_; }  // its page, from 0

private:
    double top_ = 0;
    double next_ = 0;
    int page_ = 0;
};

} // namespace sbc
