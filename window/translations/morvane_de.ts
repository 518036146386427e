<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="de">
<context>
    <name>morvane::Explanation</name>
    <message>
        <source>%1: &quot;%2&quot; reads as %3.</source>
        <translation>%1: „%2“ wird als %3 gelesen.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; reads as %3 and rounds to %4: with fewer than one step the count is 1.</source>
        <translation>%1: „%2“ wird als %3 gelesen und auf %4 gerundet: Bei weniger als einem Schritt ist das Ergebnis 1.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; reads as %3 and rounds to %4 step.</source>
        <translation>%1: „%2“ wird als %3 gelesen und auf %4 Schritt gerundet.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; reads as %3 and rounds to %4 steps.</source>
        <translation>%1: „%2“ wird als %3 gelesen und auf %4 Schritte gerundet.</translation>
    </message>
    <message>
        <source>Step i multiplies the running value (at first 1) by the factor N - (K - i) and rounds
the product to four decimals; the quotient is the product divided by i in double
precision, and the new running value is the quotient rounded to four decimals.</source>
        <translation>Schritt i multipliziert den laufenden Wert (anfangs 1) mit dem Faktor N - (K - i) und rundet
das Produkt auf vier Nachkommastellen; der Quotient ist das Produkt geteilt durch i in
doppelter Genauigkeit, und der neue laufende Wert ist der auf vier Nachkommastellen
gerundete Quotient.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Quotient</source>
        <translation>Quotient</translation>
    </message>
    <message>
        <source>Running value</source>
        <translation>Laufender Wert</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>The count is %1; the result box shows &quot;%2&quot;.</source>
        <translation>Das Ergebnis ist %1; das Ergebnisfeld zeigt „%2“.</translation>
    </message>
    <message>
        <source>The result box shows &quot;%1&quot;.</source>
        <translation>Das Ergebnisfeld zeigt „%1“.</translation>
    </message>
    <message>
        <source>Writing the count %1 as the result box shows it failed.</source>
        <translation>Das Schreiben des Ergebnisses %1 im Format des Ergebnisfelds ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Reading %1: &quot;%2&quot; is too large for a double.</source>
        <translation>Lesen von %1: „%2“ ist zu groß für eine Gleitkommazahl doppelter Genauigkeit.</translation>
    </message>
    <message>
        <source>Reading %1: &quot;%2&quot; reads as %3 and so %4.</source>
        <translation>Lesen von %1: „%2“ wird als %3 gelesen und ist damit %4.</translation>
    </message>
    <message>
        <source>Rounding K to the number of steps: %1 rounds to %2 and so %3.</source>
        <translation>Runden von K auf die Schrittzahl: %1 wird auf %2 gerundet und ist damit %3.</translation>
    </message>
    <message>
        <source>Step %1 of %2 computes the factor: N - (K - i) = %3 - (%4 - %5) is %6 and so %7.</source>
        <translation>Schritt %1 von %2 berechnet den Faktor: N - (K - i) = %3 - (%4 - %5) ergibt %6 und ist damit %7.</translation>
    </message>
    <message>
        <source>Step %1 of %2 computes the product: the running value %3 times the factor %4 is %5 and so %6.</source>
        <translation>Schritt %1 von %2 berechnet das Produkt: Der laufende Wert %3 mal der Faktor %4 ergibt %5 und ist damit %6.</translation>
    </message>
    <message>
        <source>Step %1 of %2 computes the quotient: the product %3 divided by %4 failed the floating-point check.</source>
        <translation>Schritt %1 von %2 berechnet den Quotienten: Das Produkt %3 geteilt durch %4 hat die Gleitkommaprüfung nicht bestanden.</translation>
    </message>
    <message>
        <source>Step %1 of %2 rounds the quotient to four decimals: the product %3 divided by %4 is %5 and so %6.</source>
        <translation>Schritt %1 von %2 rundet den Quotienten auf vier Nachkommastellen: Das Produkt %3 geteilt durch %4 ergibt %5 und ist damit %6.</translation>
    </message>
    <message>
        <source>Step %1 of %2 adds one to the step counter: %3 + 1 is %4 and so %5.</source>
        <translation>Schritt %1 von %2 erhöht den Schrittzähler um eins: %3 + 1 ergibt %4 und ist damit %5.</translation>
    </message>
    <message>
        <source>exceeds the largest value %1</source>
        <translation>größer als der Höchstwert %1</translation>
    </message>
    <message>
        <source>falls below the smallest value %1</source>
        <translation>kleiner als der Mindestwert %1</translation>
    </message>
    <message>
        <source>exceeds the largest number of steps %1</source>
        <translation>größer als die höchste Schrittzahl %1</translation>
    </message>
    <message>
        <source>falls below the smallest number of steps %1</source>
        <translation>kleiner als die niedrigste Schrittzahl %1</translation>
    </message>
    <message>
        <source>exceeds the largest step counter %1</source>
        <translation>größer als der höchste Stand des Schrittzählers %1</translation>
    </message>
    <message>
        <source>falls below the smallest step counter %1</source>
        <translation>kleiner als der niedrigste Stand des Schrittzählers %1</translation>
    </message>
</context>
<context>
    <name>morvane::frmAmain</name>
    <message>
        <source>Copy Plain &amp;Number</source>
        <translation>Reine &amp;Zahl kopieren</translation>
    </message>
    <message>
        <source>Show &amp;Steps…</source>
        <translation>&amp;Schritte anzeigen…</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
</context>
</TS>
