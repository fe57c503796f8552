#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "PaneReply.h"

class QMenu;
class QPoint;
class QWidget;

namespace qb {

class CStatus;
class CellTextEditor;
class ChartScene;
class ColumnCellInput;
class ColumnHeaderInput;
class IDrawContext;
class IPaneEdits;
class PaneWidget;
struct CanvasInput;

// The column area's two panes: paints them through the scene, turns their
// mouse and keys into the header's and the cells' input, shows the header's
// context menu and the in-place editor of a cell's text, and tells the
// window what to follow.
class ColumnAreaController : public QObject {
    Q_OBJECT

public:
    using Follower = std::function<void(const PaneReply&)>;

    ColumnAreaController(PaneWidget& header, PaneWidget& cells, CStatus& status, ChartScene& scene,
                         IPaneEdits& edits, Follower follower);
    ~ColumnAreaController() override;

    void Repaint();
    // The window rebuilt the scene's model.
    void ModelRebuilt();
    // The text editing command for a cell: an editor over it.
    void EditCellText(std::int32_t rowId, std::int32_t columnId);
    CellTextEditor* Editor() const;
    // The header's context menu as it would be shown now.
    QMenu* BuildHeaderMenu(QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HeaderMouse(QEvent* event);
    bool CellMouse(QEvent* event);
    bool CellKey(QEvent* event);
    void PaintHeader(IDrawContext& dc);
    void ShowHeaderMenu(QPoint at);
    void Follow(const PaneReply& reply);
    void FinishCellText(std::int32_t rowId, std::int32_t columnId,
                        const std::optional<std::string>& text);

    PaneWidget& header_;
    PaneWidget& cells_;
    CStatus& status_;
    ChartScene& scene_;
    Follower follower_;
    std::unique_ptr<ColumnHeaderInput> headerInput_;
    std::unique_ptr<ColumnCellInput> cellInput_;
    QPointer<CellTextEditor> editor_;
};

}  // namespace qb
