/*
 * Misst einen erzeugten Regelschritt auf dem ATmega328P unter simavr: fuer
 * jedes Eingangspaar aus eingaben.h das Ergebnis (als Bitmuster) und die
 * Takte des Aufrufs (Timer 1 ohne Vorteiler), am Ende die Tiefe des Stapels,
 * den die Schritte brauchten. Alles geht als Text ueber den UART hinaus.
 */
#include <avr/interrupt.h>
#include <avr/io.h>
#include <avr/pgmspace.h>
#include <avr/sleep.h>
#include <stdint.h>
#include <string.h>

#include "eingaben.h"
#include "fuzzy.h"

extern char __heap_start;

static void zeichen(char c) {
    while (!(UCSR0A & (1 << UDRE0))) {}
    UDR0 = c;
}

static void hex(uint32_t v, uint8_t stellen) {
    while (stellen-- > 0) zeichen("0123456789abcdef"[(v >> (4 * stellen)) & 15]);
}

int main(void) {
    uint16_t i, leer, sp;
    uint8_t* p;

    UBRR0 = 0;
    UCSR0A = 1 << U2X0;
    UCSR0B = 1 << TXEN0;
    UCSR0C = (1 << UCSZ01) | (1 << UCSZ00);
    TCCR1A = 0;
    TCCR1B = 1 << CS10;

    /* Was das Lesen des Zaehlers selbst kostet. */
    TCNT1 = 0;
    leer = TCNT1;

    /* Der freie Speicher unter dem Stapel bekommt ein Muster; was die Schritte
       davon ueberschreiben, haben sie gebraucht. */
    sp = SP;
    for (p = (uint8_t*)&__heap_start; p < (uint8_t*)(sp - 8); ++p) *p = 0xA5;

    for (i = 0; i < ANZAHL; ++i) {
        uint32_t ab[2];
        float a, b, y;
        uint16_t takte;
        uint32_t bits;
        memcpy_P(ab, eingaben[i], sizeof ab);
        memcpy(&a, &ab[0], 4);
        memcpy(&b, &ab[1], 4);
        TIFR1 = 1 << TOV1;
        TCNT1 = 0;
        y = fuzzy_step(a, b);
        takte = TCNT1;
        memcpy(&bits, &y, 4);
        zeichen('E');
        zeichen(' ');
        hex(i, 4);
        zeichen(' ');
        hex(bits, 8);
        zeichen(' ');
        /* Mehr als 65535 Takte: der Zaehler ist uebergelaufen. */
        hex((TIFR1 & (1 << TOV1)) ? 0xFFFFu : (uint16_t)(takte - leer), 4);
        zeichen('\n');
    }
    for (p = (uint8_t*)&__heap_start; *p == 0xA5; ++p) {}
    zeichen('S');
    zeichen(' ');
    hex((uint16_t)(sp - (uint16_t)p), 4);
    zeichen('\n');
    while (!(UCSR0A & (1 << TXC0))) {}
    /* Schlafen ohne Interrupts beendet simavr. */
    cli();
    sleep_enable();
    sleep_cpu();
    return 0;
}
