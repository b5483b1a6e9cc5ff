#include "platform/smooth_governor.h"

namespace zeva::platform {

void SmoothGovernor::beforeRedraw(const render::RenderContext& ctx, QtCanvas& canvas) {
    if (!ctx.state.dragInProgress) exactForThisDrag_ = false;
    lastWasSmooth_ = ctx.options.smooth && !exactForThisDrag_;
    canvas.setSmooth(lastWasSmooth_);
}

void SmoothGovernor::afterRedraw(const render::RenderContext& ctx, std::chrono::nanoseconds took) {
    if (ctx.state.dragInProgress && lastWasSmooth_ && took > kFrameBudget)
        exactForThisDrag_ = true;
}

} // namespace zeva::platform
