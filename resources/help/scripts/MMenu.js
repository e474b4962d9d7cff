// A small drop-down menu engine: MMenu(definition, container) draws a
// horizontal bar of entries into the container; each entry opens its list of
// links on click, on hover, or from the keyboard (Enter, arrows, Escape).
function MMenu(definition, conteneur) {
  var barre = document.createElement("ul");
  barre.className = "mmenu";
  barre.setAttribute("role", "menubar");
  var ouvert = null;

  function fermer() {
    if (ouvert) {
      ouvert.classList.remove("ouvert");
      ouvert.querySelector("button").setAttribute("aria-expanded", "false");
      ouvert = null;
    }
  }
  function ouvrir(entree) {
    if (ouvert === entree) return;
    fermer();
    entree.classList.add("ouvert");
    entree.querySelector("button").setAttribute("aria-expanded", "true");
    ouvert = entree;
  }

  definition.forEach(function (d) {
    var entree = document.createElement("li");
    var bouton = document.createElement("button");
    bouton.type = "button";
    bouton.textContent = d.titre;
    bouton.setAttribute("aria-haspopup", "true");
    bouton.setAttribute("aria-expanded", "false");
    var liste = document.createElement("ul");
    liste.setAttribute("role", "menu");
    d.polozky.forEach(function (p) {
      var li = document.createElement("li");
      var a = document.createElement("a");
      a.href = p.cil;
      a.textContent = p.text;
      a.setAttribute("role", "menuitem");
      a.addEventListener("click", fermer);
      li.appendChild(a);
      liste.appendChild(li);
    });
    bouton.addEventListener("click", function (e) {
      e.stopPropagation();
      if (ouvert === entree) fermer(); else ouvrir(entree);
    });
    entree.addEventListener("mouseenter", function () { ouvrir(entree); });
    entree.addEventListener("mouseleave", function () { if (ouvert === entree) fermer(); });
    entree.addEventListener("keydown", function (e) {
      var liens = Array.prototype.slice.call(liste.querySelectorAll("a"));
      var i = liens.indexOf(document.activeElement);
      if (e.key === "Escape") { fermer(); bouton.focus(); }
      else if (e.key === "ArrowDown") { ouvrir(entree); liens[Math.min(i + 1, liens.length - 1)].focus(); e.preventDefault(); }
      else if (e.key === "ArrowUp" && i > 0) { liens[i - 1].focus(); e.preventDefault(); }
    });
    entree.appendChild(bouton);
    entree.appendChild(liste);
    barre.appendChild(entree);
  });
  document.addEventListener("click", fermer);
  conteneur.appendChild(barre);
}
