#include "support/fake_controls.h"

namespace tarvenel::test {

int FakeComboBox::ListIndex() const {
    auto it = std::find(items.begin(), items.end(), text);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

} // namespace tarvenel::test
