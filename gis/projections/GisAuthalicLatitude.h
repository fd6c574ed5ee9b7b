#pragma once
// Authalic latitude beta: the latitude on the sphere of the ellipsoid's area
// (radius a*sqrt(qp/2)) whose zone from the equator has the area of the
// ellipsoid's zone up to phi, sin(beta) = q(phi)/qp. The transverse
// cylindrical equal-area projection maps through this sphere.
//
// The textbook beta = asin(q/qp) loses half the digits near the poles, where
// q/qp is close to 1. Here qp - q is written as cos^2(phi) * H(sin phi) with
// H free of cancellation, so beta comes from atan2 with a cosine that is exact
// to the last bits at every latitude, and the ratio cos(phi)/(cos(beta) W(phi))
// that the projection needs stays finite at the pole itself.
//
// Both directions work on [-pi, pi]: past a pole they continue by symmetry,
// beta(pi - phi) = pi - beta(phi), as a latitude measured on along a
// meridian through the pole does.

class TGIS_AuthalicLatitude {
public:
  TGIS_AuthalicLatitude() = default;
  // e2: first eccentricity squared (0 for a sphere).
  explicit TGIS_AuthalicLatitude(double e2);

  // q(phi) from sin(phi), and its value at the north pole.
  double Q(double sinPhi) const;
  double QPole() const { return qp_; }

  // phi -> beta.
  double FromGeodetic(double phi) const;
  // beta -> phi: the series in e^2 (error of order e^8) and one Newton step,
  // which takes that error to well below a unit in the last place. The step
  // works on q where q is steep and on beta itself near the poles, where q
  // flattens out and differences of q lose their digits.
  double ToGeodetic(double beta) const;
  // The same for beta = atan2(y, x), given as the direction the transverse
  // map reaches it by: sin(beta) and cos(beta) then cost a square root
  // instead of two trigonometric calls.
  double ToGeodeticAtan2(double y, double x) const;
  // phi from q itself (the normal equal-area maps give q): sin(beta) = q/qp,
  // and the Newton step aims at q rather than at qp sin(beta), which would
  // round twice more. q beyond +-qp gives the pole.
  double FromQ(double q) const;

  // cos(phi) / (cos(beta) * sqrt(1 - e^2 sin^2 phi)): 1 at the equator,
  // sqrt(qp/2) at the poles (its limit there), in between monotone.
  double ScaleRatio(double phi) const;
  // sin(beta), cos(beta) and the ratio at once (they share most of the work).
  void Evaluate(double phi, double& sinBeta, double& cosBeta, double& ratio) const;

private:
  // (qp - q(phi)) / cos^2(phi) as a function of sin(phi) >= 0.
  double H(double sinPhi) const;
  // Evaluate with phi's sine and cosine at hand.
  void Evaluate(double sinPhi, double cosPhi, double& sinBeta, double& cosBeta, double& ratio) const;
  // ToGeodetic with beta's sine and cosine at hand; q = qp sin(beta).
  double ToGeodetic(double beta, double sinBeta, double cosBeta, double q) const;

  double e2_ = 0;
  double e_ = 0;
  double qp_ = 2;
  double series2_ = 0, series4_ = 0, series6_ = 0;  // beta -> phi
};
