#include "menu/menu.h"

#include <cstdio>
#include <functional>

#include "host/natives/audio_natives.h"
#include "host/natives/camera_natives.h"
#include "host/natives/control_natives.h"
#include "host/natives/gameplay_natives.h"
#include "host/natives/player_natives.h"
#include "menu/menu_buttons.h"
#include "menu/menu_controls.h"
#include "menu/menu_input.h"
#include "menu/menu_screen.h"
#include "menu/pages.h"
#include "menu/point_blips.h"
#include "platform/clock.h"
#include "platform/ticks.h"
#include "settings_io/settings_file.h"
#include "settings_io/settings_store.h"
#include "settings_io/settings_write_job.h"
#include "shared/entities.h"

namespace {

struct OpenPage {
    MenuPage* page;
    int cursor;
    int first;  // the first visible line
};

constexpr int deepestPages = 4;
constexpr uint32_t noticeMilliseconds = 5000;
constexpr const char* menuSoundSet = "DLC_HEIST_PLANNING_BOARD_SOUNDS";

bool menuOpen = false;
OpenPage pages[deepestPages];
int pageCount = 0;
bool drawnBefore = false;
int32_t lastFrame = 0;
char notice[sizeof MenuView{}.help] = "";
uint32_t noticeEnd = 0;
MenuView view;
// The page as last drawn and its first visible line, which a click meets.
const MenuPage* drawnPage = nullptr;
int drawnFirst = 0;
// An action on a line that writes the settings file, waiting until the file
// is still (a save of the player's may be under way), no write of ours runs
// and no read of his save is still to come; the page says "saving…".
struct WaitingAction {
    MenuPage* page;
    int line;
    MenuAction action;
};
WaitingAction waiting{nullptr, 0, MenuAction::None};

void playMenuSound(const char* sound) { playSoundFrontend(sound, menuSoundSet, true); }

bool settingsFileFree() { return settingsFileStill() && !settingsWriteRunning() && !settingsReadWanted(); }

// A notice that tells what the file holds, once it is read again.
std::function<void()> noticeOnceRead;

// A black screen is another sequence's (the game's, another script's) or
// comes before a respawn of ours, such as the rescue of a screen left black.
bool menuMustStayClosed() {
    if (getIsLoadingScreenActive() || isCutsceneActive() || isScreenFadedOut()) return true;
    if (!isEntityAlive(playerPedId())) return true;
    return isPlayerBeingArrested(playerId());
}

OpenPage& current() { return pages[pageCount - 1]; }

// The cursor and the visible lines kept inside the page, which may have
// grown or shrunk since the last frame (a point deleted, the file edited).
void keepCursorInPage(OpenPage& open) {
    int count = open.page->lineCount();
    if (open.cursor >= count) open.cursor = count > 0 ? count - 1 : 0;
    if (open.cursor < open.first) open.first = open.cursor;
    if (open.cursor >= open.first + menuVisibleLines) open.first = open.cursor - menuVisibleLines + 1;
    if (open.first > 0 && open.first + menuVisibleLines > count)
        open.first = count > menuVisibleLines ? count - menuVisibleLines : 0;
}

void moveCursor(int step) {
    OpenPage& open = current();
    int count = open.page->lineCount();
    if (count == 0) return;
    open.cursor = (open.cursor + step + count) % count;
    playMenuSound("Highlight_Move");
}

void perform(OpenPage& open, MenuAction action) {
    switch (action) {
        case MenuAction::Left:
        case MenuAction::Right:
            if (!open.page->changeable(open.cursor)) return;
            if (open.page->change(open.cursor, action == MenuAction::Left ? -1 : 1)) playMenuSound("Highlight_Accept");
            return;
        case MenuAction::Accept:
            // The sound first: the line may run a respawn that takes a while.
            playMenuSound("Highlight_Accept");
            open.page->accept(open.cursor);
            return;
        default:
            return;
    }
}

// The waiting action goes ahead once the file is still, on the line it was
// asked on; moving away or another action drops it.
void performWaitingAction() {
    if (waiting.page == nullptr || !settingsFileFree()) return;
    WaitingAction action = waiting;
    waiting.page = nullptr;
    notice[0] = '\0';
    OpenPage& open = current();
    if (open.page == action.page && open.cursor == action.line) perform(open, action.action);
}

void act(MenuAction action) {
    OpenPage& open = current();
    switch (action) {
        case MenuAction::None:
            return;
        case MenuAction::Up:
            return moveCursor(-1);
        case MenuAction::Down:
            return moveCursor(1);
        case MenuAction::Left:
        case MenuAction::Right:
        case MenuAction::Accept:
            if (open.page->writes(open.cursor) && !settingsFileFree()) {
                waiting = WaitingAction{open.page, open.cursor, action};
                if (!settingsFileStill()) showMenuNotice("saving\u2026 (Pelorin.ini was saved a moment ago)");
                return;
            }
            return perform(open, action);
        case MenuAction::Back:
            playMenuSound("Highlight_Cancel");
            return closePage();
    }
}

// A left click on a line of the page as last drawn selects it, and on the
// line already selected acts as Enter does; on the ◄ or ► of a value it
// selects the line and steps the value as Left or Right. Off the lines it
// does nothing.
MenuAction clickAction(MenuClick click) {
    OpenPage& open = current();
    if (!click.clicked || open.page != drawnPage) return MenuAction::None;
    MenuSpot spot = menuSpotAt(click.x, click.y);
    int line = drawnFirst + spot.slot;
    if (spot.part == MenuSpotPart::OffTheLines || line >= open.page->lineCount()) return MenuAction::None;
    bool selected = line == open.cursor;
    open.cursor = line;
    if (spot.part == MenuSpotPart::LeftArrow) return MenuAction::Left;
    if (spot.part == MenuSpotPart::RightArrow) return MenuAction::Right;
    if (selected) return MenuAction::Accept;
    playMenuSound("Highlight_Move");
    return MenuAction::None;
}

// Where the cursor is in the page's list, when the page scrolls: the actions
// and facts above the list are not counted.
void describePosition(const MenuPage& page, int cursor) {
    int count = page.lineCount();
    int start = page.listStart() < count ? page.listStart() : count;
    view.position[0] = '\0';
    if (count <= menuVisibleLines || start == count) return;
    if (cursor >= start)
        std::snprintf(view.position, sizeof view.position, "%d/%d", cursor - start + 1, count - start);
    else
        std::snprintf(view.position, sizeof view.position, "\u2013/%d", count - start);
}

void fillView() {
    // A page may step back while it refreshes (what it shows is gone).
    for (MenuPage* shown = nullptr; shown != current().page;) {
        shown = current().page;
        shown->refresh();
    }
    OpenPage& open = current();
    MenuPage& page = *open.page;
    keepCursorInPage(open);
    int count = page.lineCount();
    view.pageTitle = page.title();
    describePosition(page, open.cursor);
    view.lineCount = 0;
    for (int line = open.first; line < count && view.lineCount < menuVisibleLines; ++line) {
        MenuLine& out = view.lines[view.lineCount++];
        out.label[0] = out.value[0] = '\0';
        out.dimmed = out.cutFront = false;
        page.describe(line, &out);
        out.changeable = page.changeable(line);
    }
    view.selected = open.cursor - open.first;
    view.hiddenAbove = open.first > 0;
    view.hiddenBelow = open.first + view.lineCount < count;
    view.description[0] = '\0';
    if (view.selected < view.lineCount)
        page.explain(open.cursor, view.lines[view.selected], view.description, sizeof view.description);
    // A write of ours says so until it ends, and its outcome then.
    const bool saving = settingsWriteRunning();
    view.notice = saving || (notice[0] != '\0' && !tickReached(tickCount(), noticeEnd));
    std::snprintf(view.help, sizeof view.help, "%s",
                  saving ? "saving\u2026" : view.notice ? notice : page.help(open.cursor));
}

}  // namespace

bool isMenuOpen() { return menuOpen; }

void toggleMenu() {
    if (menuOpen) {
        playMenuSound("Highlight_Cancel");
        closeMenu();
        return;
    }
    if (menuMustStayClosed()) return;
    menuOpen = true;
    pageCount = 0;
    drawnPage = nullptr;
    notice[0] = '\0';
    drawnBefore = false;
    resetMenuInput();
    openPage(pagesPage());
    openPage(whereYouComeBackPage());
}

void closeMenu() {
    menuOpen = false;
    releaseMenuButtons();
    waiting.page = nullptr;
    noticeOnceRead = nullptr;
    pageCount = 0;
}

void openPage(MenuPage& page) {
    if (pageCount == deepestPages) return;
    pages[pageCount++] = OpenPage{&page, 0, 0};
    page.opened();
}

void closePage() {
    if (pageCount <= 1) return closeMenu();
    --pageCount;
    current().page->opened();
}

bool isPageShown(const MenuPage& page) { return menuOpen && pageCount > 0 && current().page == &page; }

void showMenuNotice(const char* text) {
    std::snprintf(notice, sizeof notice, "%s", text);
    noticeEnd = tickCount() + noticeMilliseconds;
}

void showMenuNoticeOnceRead(std::function<void()> show) { noticeOnceRead = std::move(show); }

void runMenu() {
    keepPointBlips();
    if (!menuOpen) return;
    int32_t frame = getFrameCount();
    if (drawnBefore && frame == lastFrame) return;
    drawnBefore = true;
    lastFrame = frame;
    if (menuMustStayClosed()) return closeMenu();
    if (noticeOnceRead && !settingsReadWanted()) {
        std::function<void()> show = std::move(noticeOnceRead);
        noticeOnceRead = nullptr;
        show();
    }
    // The controller has no cursor: the mouse works the menu only with the keyboard.
    bool keyboard = isUsingKeyboardAndMouse();
    disableClashingControls(keyboard);
    MenuAction action = readMenuAction(keyboard);
    if (keyboard) {
        MenuClick click = showCursorAndReadClick();
        if (action == MenuAction::None) action = clickAction(click);
    }
    if (action != MenuAction::None) waiting.page = nullptr;
    act(action);
    if (menuOpen) performWaitingAction();
    if (!menuOpen) return;
    fillView();
    drawMenu(view);
    drawnPage = current().page;
    drawnFirst = current().first;
    showMenuButtons(MenuButtons{view.selected < view.lineCount && view.lines[view.selected].changeable,
                                current().page->acts(current().cursor)},
                    keyboard);
}
