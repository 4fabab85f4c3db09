#pragma once
// A page of the menu: its lines, what they show, and what Enter, left and
// right do on them. Pages are static objects; describing a line writes into
// the view's fixed buffers, so that drawing a page allocates nothing.
#include <cstddef>

#include "menu/menu_view.h"

class MenuPage {
public:
    virtual const char* title() const = 0;
    virtual int lineCount() const = 0;
    // Label and value of a line, as the plug-in reads them now.
    virtual void describe(int line, MenuLine* out) const = 0;
    // Left and right change the line's value (it is drawn between ◄ and ►);
    // change is asked only for such a line.
    virtual bool changeable(int line) const;
    // Left (-1) or right (+1) on a line; false when nothing changed.
    virtual bool change(int line, int direction);
    // Enter on a line; false when it does nothing.
    virtual bool accept(int line);
    // Enter acts on the line (opens, saves, goes, deletes): the game's buttons
    // say so.
    virtual bool acts(int line) const;
    // Left, right or Enter on the line writes the settings file: they wait
    // while a save of the player's may be under way.
    virtual bool writes(int line) const;
    // The selected line in full below the page, and what it is: by default
    // its label and value as shown.
    virtual void explain(int line, const MenuLine& shown, char* text, size_t size) const;
    // The first line of the page's list (its settings, points or findings),
    // which the position "3/17" counts; the lines before it are actions and
    // facts.
    virtual int listStart() const;
    // The line of help below the page while the line is selected.
    virtual const char* help(int line) const;
    // The page is shown (again): a chance to take fresh data.
    virtual void opened();
    // Before the page is described on a frame: what its lines share.
    virtual void refresh();

protected:
    ~MenuPage() = default;
};
