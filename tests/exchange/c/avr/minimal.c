/* Nur der Regelschritt: was er an Flash und RAM braucht, samt Gleitkomma-
   bibliothek und Startcode. */
#include "fuzzy.h"

volatile float ein_a, ein_b, aus;

int main(void) {
    for (;;) aus = fuzzy_step(ein_a, ein_b);
}
