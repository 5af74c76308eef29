#pragma once

class QString;

// What the mic-group and region pages and their editors share besides their bases.

// Save operations of the group and region list managers.
enum { KY_OP_ADD = 4, KY_OP_MODIFY = 5, KY_OP_DELETE = 6 };

// BaseMessageDialog titled "Tips" with one confirm button, run modal.
void kyShowTips(const QString& text);
// Id for a new group or region: the largest cached id plus a step of 1..10.
int kyNextOrgId(int maxId);
