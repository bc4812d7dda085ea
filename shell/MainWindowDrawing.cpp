// The presentation side of the main window: the renderer's jobs over the
// current state, the engine's drawing hooks, the panel repaint, the cursor
// and the title.
#include "shell/MainWindow.h"

namespace tintfall {

RenderContext MainWindow::renderContext() {
    if (watch_) {
        // The rules may change during the replay's game.
        watchedSettings_ = settings_;
        applyReplayRules(replayRulesOf(watch_->rules()), watchedSettings_);
    }
    return RenderContext{*assets_,
                         watch_ ? watch_->state() : state_,
                         watch_ ? watchedSettings_ : settings_,
                         view_,
                         panel.looks(),
                         scaledBackBuffer_,
                         scaledWindow_,
                         *this};
}

void MainWindow::present(const Rect& area) {
    services.present(scale_.toPixels(area.x), scale_.toPixels(area.y), scale_.spanPixels(area.x, area.width),
                     scale_.spanPixels(area.y, area.height));
}

void MainWindow::redraw() {
    draw([](const RenderContext& c) { tintfall::redraw(c); });
}

void MainWindow::onPaint() {
    // Moves and animations draw straight into the window, so the back buffer
    // may be behind it: a paint request composes the current frame.
    redraw();
}

void MainWindow::drawPieceMove() {
    draw([](const RenderContext& c) { tintfall::drawPieceMove(c); });
}

void MainWindow::refreshPanel() {
    draw([](const RenderContext& c) { tintfall::refreshPanel(c); });
}

void MainWindow::drawCell(int column, int row, CellImage image, int frame) {
    draw([&](const RenderContext& c) { drawCellInWindow(c, column, row, image, frame); });
}

void MainWindow::drawFieldBackgroundCell(int column, int row) {
    draw([&](const RenderContext& c) { tintfall::drawFieldBackgroundCell(c, column, row); });
}

void MainWindow::drawCoverCell(int column, int row) {
    draw([&](const RenderContext& c) { tintfall::drawCoverCell(c, column, row); });
}

void MainWindow::showField() {
    draw([](const RenderContext& c) { tintfall::showField(c); });
}

void MainWindow::drawPanel() {
    draw([](const RenderContext& c) { tintfall::drawPanel(c); });
}

void MainWindow::clearClassCursor() { services.clearClassCursor(); }
void MainWindow::showButtonCursor() { services.showButtonCursor(); }
void MainWindow::restoreDefaultCursor() { services.restoreDefaultCursor(); }

void MainWindow::setTitleAnimation(bool on) { showTitle(title_.setTitleAnimation(on, clock.milliseconds())); }

void MainWindow::stepTitle() {
    if (const std::optional<std::string> text = title_.stepTitle(clock.milliseconds())) showTitle(*text);
}

}  // namespace tintfall
