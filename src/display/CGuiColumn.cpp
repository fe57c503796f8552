#include "CGuiColumn.h"

#include "CColumn.h"

namespace qb {

CGuiColumn::CGuiColumn(CColumn& data)
    : CGuiObject(data.GetObjectId()), data_(&data), width_(data.GetWidth()) {}

// The column area draws and places its columns itself.
void CGuiColumn::Draw(IDrawContext& /*dc*/, const GuiDrawArgs& /*args*/) {}

void CGuiColumn::CalcLayout(const ChartContext& /*chart*/) {}

CData* CGuiColumn::GetData() const {
    return data_;
}

}  // namespace qb
