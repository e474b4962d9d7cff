// The help page's menu bar: each entry opens a list of links to the page's
// sections. Drawn by MMenu.js.
var MenuKinotab = [
  { titre: "Fichier", polozky: [
      { text: "Začínáme", cil: "#PriseEnMain" },
      { text: "Otevření videa", cil: "#Ouvrir" },
      { text: "Uložení a načtení měření", cil: "#Charger" } ] },
  { titre: "Affichage", polozky: [
      { text: "Zobrazení a označování", cil: "#Affichage" },
      { text: "Klávesové zkratky", cil: "#KlavesoveZkratky" } ] },
  { titre: "Mesures", polozky: [
      { text: "Více značek a průsvitka", cil: "#Nombre" } ] },
  { titre: "Résultats", polozky: [
      { text: "Tabulka hodnot", cil: "#TableauDesValeurs" },
      { text: "Grafy v závislosti na čase", cil: "#RepresentationTemps" },
      { text: "Trajektorie ve vztažné soustavě", cil: "#TrajectoireReferentiel" },
      { text: "Znázornění vektorů", cil: "#Vecteurs" } ] },
  { titre: "Aide", polozky: [
      { text: "Nastavení programu", cil: "#Options" },
      { text: "Videa z telefonu", cil: "#VideaZTelefonu" },
      { text: "Odinstalování", cil: "#Desinstaller" } ] }
];
